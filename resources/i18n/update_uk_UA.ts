<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Program</source>
        <translation>Програма</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Прошивка</translation>
    </message>
    <message>
        <source>Algorithm</source>
        <translation>Алгоритм</translation>
    </message>
    <message>
        <source>installed %1, on the site %2</source>
        <translation>встановлено %1, на сайті %2</translation>
    </message>
    <message>
        <source>The page %1 of the download site is larger than %2 MiB and was not read.</source>
        <translation>Сторінка %1 сайту завантажень більша за %2 МіБ і не була прочитана.</translation>
    </message>
</context>
</TS>
