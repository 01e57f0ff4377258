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
    <message>
        <source>Not available on this device (id %1)</source>
        <translation>Недоступно на цьому пристрої (id %1)</translation>
    </message>

    <message>
        <source>Changed since the settings were last saved to the device</source>
        <translation>Змінено після останнього збереження налаштувань у пристрій</translation>
    </message>
</context>
<context>
    <name>NavPanel</name>
    <message>
        <source>Search (Ctrl+F)</source>
        <translation>Пошук (Ctrl+F)</translation>
    </message>
    <message>
        <source>Nothing found</source>
        <translation>Нічого не знайдено</translation>
    </message>
</context>
<context>
    <name>VarEditor</name>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation>Допустимо: від %1 до %2</translation>
    </message>
    <message>
        <source>%1 does not fit this setting.</source>
        <translation>%1 не вміщується в це налаштування.</translation>
    </message>
</context>
<context>
    <name>LineVarEditor</name>
    <message>
        <source>At most %1 bytes</source>
        <translation>Не більше %1 байт</translation>
    </message>
    <message>
        <source>One character</source>
        <translation>Один символ</translation>
    </message>
    <message>
        <source>%1 / %2 bytes</source>
        <translation>%1 / %2 байт</translation>
    </message>
</context>
</TS>
