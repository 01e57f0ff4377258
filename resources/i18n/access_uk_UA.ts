<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>VarWidget</name>
    <message>
        <source>%1 (not available)</source>
        <translation>%1 (недоступно)</translation>
    </message>
    <message>
        <source>%1: inversion</source>
        <translation>%1: інверсія</translation>
    </message>
    <message>
        <source>%1: source</source>
        <translation>%1: джерело</translation>
    </message>
    <message>
        <source>%1: target</source>
        <translation>%1: призначення</translation>
    </message>
    <message>
        <source>%1: connected to</source>
        <translation>%1: під&apos;єднано до</translation>
    </message>
</context>
<context>
    <name>NavPanel</name>
    <message>
        <source>Sections</source>
        <translation>Розділи</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Сторінки</translation>
    </message>
    <message>
        <source>Search the pages</source>
        <translation>Пошук на сторінках</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>Progress of the current file</source>
        <translation>Перебіг поточного файлу</translation>
    </message>
    <message>
        <source>Progress of all files</source>
        <translation>Перебіг усіх файлів</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Transfer log</source>
        <translation>Журнал передачі</translation>
    </message>
</context>
<context>
    <name>PlotView</name>
    <message>
        <source>Values to</source>
        <translation>Значення до</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Графік</translation>
    </message>
</context>
<context>
    <name>LogView</name>
    <message>
        <source>Session log</source>
        <translation>Журнал сеансу</translation>
    </message>
</context>
<context>
    <name>SnapshotCompareDialog</name>
    <message>
        <source>Writing</source>
        <translation>Запис</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Звіт</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Download site address</source>
        <translation>Адреса сайту завантажень</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Files on the device</source>
        <translation>Файли на пристрої</translation>
    </message>
</context>
</TS>
