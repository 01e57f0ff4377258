<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>TransportManager</name>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Demo device</source>
        <translation>Демо-пристрій</translation>
    </message>
</context>
<context>
    <name>TransportBar</name>
    <message>
        <source>USB %1</source>
        <translation>USB %1</translation>
    </message>
    <message>
        <source>Controller %1 on USB port %2</source>
        <translation>Контролер %1 на USB-порту %2</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>З&apos;єднання</translation>
    </message>
    <message>
        <source>Transport</source>
        <translation>Транспорт</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Start on the built-in demo device.</source>
        <translation>Запустити на вбудованому демо-пристрої.</translation>
    </message>
    <message>
        <source>Device connected</source>
        <translation>Пристрій підключено</translation>
    </message>
    <message>
        <source>No device</source>
        <translation>Немає пристрою</translation>
    </message>
</context>
<context>
    <name>FlashSave</name>
    <message>
        <source>The device did not start the save: %1</source>
        <translation>Пристрій не почав збереження: %1</translation>
    </message>
    <message>
        <source>The device could not save the settings in flash (error %1).</source>
        <translation>Пристрій не зміг зберегти налаштування у флеш-пам&apos;ять (помилка %1).</translation>
    </message>
    <message numerus="yes">
        <source>The device did not finish the save within %n second(s).</source>
        <translation>
            <numerusform>Пристрій не завершив збереження за %n секунду.</numerusform>
            <numerusform>Пристрій не завершив збереження за %n секунди.</numerusform>
            <numerusform>Пристрій не завершив збереження за %n секунд.</numerusform>
        </translation>
    </message>
</context>
</TS>
