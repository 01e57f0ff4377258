<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Device40000</name>
    <message>
        <source>TIMEOUT</source>
        <translation>ЧАС ВИЧЕРПАНО</translation>
    </message>
</context>
<context>
    <name>ServiceCommands</name>
    <message>
        <source>Статус останньої команди : </source>
        <translation>Статус останньої команди : </translation>
    </message>
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
        <translation>Експорт - не вдався</translation>
    </message>
</context>
</TS>
