<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="uk_UA">
<context>
    <name>MainWindow</name>
    <message>
        <source>Зняти з охорони</source>
        <translation>Disarm</translation>
    </message>
    <message>
        <source>Поставити в охорону</source>
        <translation>Arm</translation>
    </message>
    <message>
        <source>Включити сервісний режим</source>
        <translation>Service mode on</translation>
    </message>
    <message>
        <source>Посигналити</source>
        <translation>Sound the horn</translation>
    </message>
    <message>
        <source>Запустити двигун</source>
        <translation>Start the engine</translation>
    </message>
    <message>
        <source>Зупинити двигун</source>
        <translation>Stop the engine</translation>
    </message>
    <message>
        <source>Статус останньої команди : </source>
        <translation>Last command status: </translation>
    </message>
</context>
<context>
    <name>NavPanel</name>
    <message>
        <source>Інше</source>
        <translation>Other</translation>
    </message>
</context>
<context>
    <name>ServiceCommands</name>
    <message>
        <source>Статус останньої команди : </source>
        <translation>Last command status: </translation>
    </message>
</context>
</TS>
