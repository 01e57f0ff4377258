<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>SettingsSnapshot</name>
    <message>
        <source>on</source>
        <translation>увімкнено</translation>
    </message>
    <message>
        <source>off</source>
        <translation>вимкнено</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8 and cannot be written as it is</source>
        <translation>текст не є коректним UTF-8, тож його неможливо записати без змін</translation>
    </message>
    <message numerus="yes">
        <source>the value %1 does not fit in the %n byte(s) the device holds</source>
        <translation>
            <numerusform>значення %1 не вміщується в %n байт, які відводить пристрій</numerusform>
            <numerusform>значення %1 не вміщується в %n байти, які відводить пристрій</numerusform>
            <numerusform>значення %1 не вміщується в %n байтів, які відводить пристрій</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SnapshotActions</name>
    <message>
        <source>Not available for a settings file</source>
        <translation>Недоступно для файлу налаштувань</translation>
    </message>
    <message numerus="yes">
        <source>The device did not answer for %n variable(s) while loading: %1. The file would lack them. Save the settings anyway?</source>
        <translation>
            <numerusform>Під час завантаження пристрій не відповів щодо %n змінної: %1. У файлі її не буде. Все одно зберегти налаштування?</numerusform>
            <numerusform>Під час завантаження пристрій не відповів щодо %n змінних: %1. У файлі їх не буде. Все одно зберегти налаштування?</numerusform>
            <numerusform>Під час завантаження пристрій не відповів щодо %n змінних: %1. У файлі їх не буде. Все одно зберегти налаштування?</numerusform>
        </translation>
    </message>
    <message>
        <source>Opened settings file %1</source>
        <translation>Відкрито файл налаштувань %1</translation>
    </message>
    <message>
        <source>Settings written to %1</source>
        <translation>Налаштування записано у файл %1</translation>
    </message>
</context>
<context>
    <name>SnapshotCompareDialog</name>
    <message numerus="yes">
        <source>Write %n value(s) to the device?</source>
        <translation>
            <numerusform>Записати %n значення на пристрій?</numerusform>
            <numerusform>Записати %n значення на пристрій?</numerusform>
            <numerusform>Записати %n значень на пристрій?</numerusform>
        </translation>
    </message>
</context>
</TS>
