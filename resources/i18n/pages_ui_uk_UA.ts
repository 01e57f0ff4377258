<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>VarWidget</name>
    <message>
        <source>Not connected</source>
        <translation>Не під&apos;єднано</translation>
    </message>
    <message>
        <source>Inversion</source>
        <translation>Інверсія</translation>
    </message>
    <message>
        <source>Inverse input value, eg 0-&gt;1, 1-&gt;0</source>
        <translation>Інвертувати вхідне значення, напр. 0-&gt;1, 1-&gt;0</translation>
    </message>
</context>
<context>
    <name>NavPanel</name>
    <message>
        <source>Search (Ctrl+F)</source>
        <translation>Пошук (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Export started ...</source>
        <translation>Експорт розпочато ...</translation>
    </message>
    <message>
        <source>Export - done</source>
        <translation>Експорт - виконано</translation>
    </message>
    <message>
        <source>Export - failed</source>
        <translation>Експорт - помилка</translation>
    </message>
</context>
</TS>
