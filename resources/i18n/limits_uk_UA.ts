<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1: the file is larger than %2 MiB; this is not a Kestrova settings file</source>
        <translation>%1: файл більший за %2 МіБ; це не файл налаштувань Kestrova</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>The page %1 of the download site is larger than %2 MiB and was not read.</source>
        <translation>Сторінка %1 сайту завантажень більша за %2 МіБ і не була прочитана.</translation>
    </message>
</context>
</TS>
