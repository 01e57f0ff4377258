<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>DeviceProtocol</name>
    <message>
        <source>The partial file &apos;%1&apos; may be left on the device</source>
        <translation>Неповний файл &apos;%1&apos; міг залишитися на пристрої</translation>
    </message>
    <message>
        <source>The device stored the last piece more than once: the upload starts again</source>
        <translation>Пристрій записав останню частину більше одного разу: вивантаження починається знову</translation>
    </message>
    <message>
        <source>The link to the device was lost, waiting for the device ...</source>
        <translation>Зв&apos;язок із пристроєм втрачено, чекаємо на пристрій ...</translation>
    </message>
</context>
</TS>
