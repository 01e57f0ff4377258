<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>MainWindow</name>
    <message>
        <source>Start the engine of the car now?</source>
        <translation>Запустити двигун автомобіля зараз?</translation>
    </message>
    <message>
        <source>Restart the device now? The connection drops until the device is back.</source>
        <translation>Перезапустити пристрій зараз? Зв&apos;язок перерветься, доки пристрій не повернеться.</translation>
    </message>
    <message>
        <source>File system not ready: device files unavailable</source>
        <translation>Файлова система не готова: файли пристрою недоступні</translation>
    </message>
</context>
<context>
    <name>FilesPage</name>
    <message>
        <source>Not enough space on the device: need %1, free %2</source>
        <translation>Недостатньо місця на пристрої: потрібно %1, вільно %2</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>Transfer failed: %1</source>
        <translation>Передача не вдалася: %1</translation>
    </message>
</context>
</TS>
