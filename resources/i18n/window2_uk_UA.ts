<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>NavPanel</name>
    <message>
        <source>Nothing found</source>
        <translation>Нічого не знайдено</translation>
    </message>
</context>
<context>
    <name>FirstRunPanel</name>
    <message>
        <source>No device connected</source>
        <translation>Пристрій не під&apos;єднано</translation>
    </message>
    <message>
        <source>Connect the controller to this computer with its USB cable. Kestrova finds it by itself and then asks for its PIN.</source>
        <translation>Під&apos;єднайте контролер до цього комп&apos;ютера USB-кабелем. Kestrova знайде його сама й попросить його PIN.</translation>
    </message>
    <message>
        <source>On Linux the device can be opened only with the udev rule installed (an installation to /usr has it). From the Kestrova folder:</source>
        <translation>У Linux пристрій можна відкрити лише зі встановленим правилом udev (встановлення в /usr його вже має). З теки Kestrova:</translation>
    </message>
    <message>
        <source>Then unplug the device and plug it in again.</source>
        <translation>Потім від&apos;єднайте пристрій і під&apos;єднайте його знову.</translation>
    </message>
    <message>
        <source>No controller at hand? The demo device behaves like one; its PIN is 1234.</source>
        <translation>Контролера немає під рукою? Демонстраційний пристрій поводиться як справжній; його PIN — 1234.</translation>
    </message>
    <message>
        <source>Try the demo device</source>
        <translation>Спробувати демонстраційний пристрій</translation>
    </message>
</context>
<context>
    <name>LogView</name>
    <message>
        <source>Save log…</source>
        <translation>Зберегти журнал…</translation>
    </message>
    <message>
        <source>Save log</source>
        <translation>Зберегти журнал</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Текстові файли (*.txt);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Log saved to %1</source>
        <translation>Журнал збережено у %1</translation>
    </message>
    <message>
        <source>%1, log of %2</source>
        <translation>%1, журнал від %2</translation>
    </message>
    <message>
        <source>Cannot write the log to %1: %2</source>
        <translation>Не вдалося записати журнал у %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Device clock set to %1</source>
        <translation>Годинник пристрою встановлено на %1</translation>
    </message>
    <message>
        <source>The device clock was not set (error %1)</source>
        <translation>Годинник пристрою не встановлено (помилка %1)</translation>
    </message>
    <message>
        <source>Saving the settings to the device; the program closes once the device confirms it</source>
        <translation>Налаштування зберігаються в пристрої; програма закриється, щойно пристрій це підтвердить</translation>
    </message>
</context>
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
</context>
<context>
    <name>SnapshotActions</name>
    <message>
        <source>Settings saved to the file %1</source>
        <translation>Налаштування збережено у файл %1</translation>
    </message>
</context>
<context>
    <name>FilesPage</name>
    <message>
        <source>Uploaded %1 to the device as &apos;%2&apos; (%3 bytes)</source>
        <translation>%1 вивантажено в пристрій як &apos;%2&apos; (%3 байт)</translation>
    </message>
    <message>
        <source>Downloaded &apos;%1&apos; (%2 bytes) to %3</source>
        <translation>&apos;%1&apos; (%2 байт) завантажено в %3</translation>
    </message>
    <message>
        <source>Deleted &apos;%1&apos; from the device</source>
        <translation>&apos;%1&apos; видалено з пристрою</translation>
    </message>
    <message>
        <source>Renamed &apos;%1&apos; to &apos;%2&apos; on the device</source>
        <translation>&apos;%1&apos; перейменовано на &apos;%2&apos; на пристрої</translation>
    </message>
</context>
</TS>
