<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>MainWindow</name>
    <message>
        <source>Reload all settings from the device</source>
        <translation>Перечитати всі налаштування з пристрою</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Параметри…</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Показати довідку щодо параметрів командного рядка.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Показати довідку, включно з параметрами Qt.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Українська</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Англійська (English)</translation>
    </message>
    <message>
        <source>The language changes at the next start of the program.</source>
        <translation>Мова зміниться під час наступного запуску програми.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>no address: no update check</source>
        <translation>без адреси оновлення не перевіряються</translation>
    </message>
    <message>
        <source>Check for updates at start-up</source>
        <translation>Перевіряти оновлення під час запуску</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Download site address:</source>
        <translation>Адреса сайту завантажень:</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Папки</translation>
    </message>
    <message>
        <source>Download files to</source>
        <translation>Завантажувати файли до</translation>
    </message>
    <message>
        <source>Upload files from</source>
        <translation>Вивантажувати файли з</translation>
    </message>
    <message>
        <source>Downloads:</source>
        <translation>Завантаження:</translation>
    </message>
    <message>
        <source>Uploads:</source>
        <translation>Вивантаження:</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Вибрати…</translation>
    </message>
</context>
</TS>
