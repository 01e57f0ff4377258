<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>EFS</name>
    <message>
        <source>No error</source>
        <translation>Немає помилки</translation>
    </message>
    <message>
        <source>FRAM error</source>
        <translation>Помилка FRAM</translation>
    </message>
    <message>
        <source>Flash error</source>
        <translation>Помилка флеш-пам’яті</translation>
    </message>
    <message>
        <source>Bad argument</source>
        <translation>Неправильний аргумент</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Не знайдено</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Доступ заборонено</translation>
    </message>
    <message>
        <source>No space</source>
        <translation>Немає місця</translation>
    </message>
    <message>
        <source>File exist</source>
        <translation>Файл уже існує</translation>
    </message>
    <message>
        <source>FS ERROR</source>
        <translation>ПОМИЛКА ФС</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Невідома помилка</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1: cannot open the file: %2</source>
        <translation>%1: не вдається відкрити файл: %2</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, рядок %2: %3</translation>
    </message>
    <message>
        <source>the line breaks off without a line end; the file is probably cut short</source>
        <translation>рядок обривається без кінця рядка; імовірно, файл обрізано</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>текст не є правильним UTF-8</translation>
    </message>
    <message>
        <source>this is not a Kestrova settings file</source>
        <translation>це не файл налаштувань Kestrova</translation>
    </message>
    <message>
        <source>bad format line &quot;%1&quot;</source>
        <translation>неправильний рядок формату «%1»</translation>
    </message>
    <message>
        <source>the file was written by a newer version of the program (format %1); this version reads format %2</source>
        <translation>файл записано новішою версією програми (формат %1); ця версія читає формат %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice (first on line %2)</source>
        <translation>«%1» задано двічі (уперше в рядку %2)</translation>
    </message>
    <message>
        <source>bad time &quot;%1&quot; (expected a form like 2026-12-06T10:00:00Z)</source>
        <translation>неправильний час «%1» (очікується вигляд 2026-12-06T10:00:00Z)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs one double-quoted text</source>
        <translation>«%1» потребує одного тексту в подвійних лапках</translation>
    </message>
    <message>
        <source>unknown line &quot;%1&quot;</source>
        <translation>невідомий рядок «%1»</translation>
    </message>
    <message>
        <source>bad variable id &quot;%1&quot; (1 to 65535)</source>
        <translation>неправильний номер змінної «%1» (від 1 до 65535)</translation>
    </message>
    <message>
        <source>variable %1 is listed twice (first on line %2)</source>
        <translation>змінна %1 указана двічі (уперше в рядку %2)</translation>
    </message>
    <message>
        <source>bad type &quot;%1&quot; (one letter, or 0x and two hex digits)</source>
        <translation>неправильний тип «%1» (одна літера або 0x і дві шістнадцяткові цифри)</translation>
    </message>
    <message>
        <source>bad flags &quot;%1&quot; (0x and four hex digits)</source>
        <translation>неправильні прапорці «%1» (0x і чотири шістнадцяткові цифри)</translation>
    </message>
    <message>
        <source>bad redirect id &quot;%1&quot; (0 to 65535)</source>
        <translation>неправильний номер переспрямування «%1» (від 0 до 65535)</translation>
    </message>
    <message>
        <source>bad capacity &quot;%1&quot; (0 to 255)</source>
        <translation>неправильна місткість «%1» (від 0 до 255)</translation>
    </message>
    <message>
        <source>bad value &quot;%1&quot; for type %2</source>
        <translation>неправильне значення «%1» для типу %2</translation>
    </message>
    <message>
        <source>unexpected text after the value: &quot;%1&quot;</source>
        <translation>зайвий текст після значення: «%1»</translation>
    </message>
    <message>
        <source>the value takes %1 bytes, more than the capacity %2</source>
        <translation>значення займає %1 байт, більше за місткість %2</translation>
    </message>
    <message>
        <source>%1: the file holds no settings; this is not a Kestrova settings file</source>
        <translation>%1: файл не містить налаштувань; це не файл налаштувань Kestrova</translation>
    </message>
    <message>
        <source>%1: cannot write the file: %2</source>
        <translation>%1: не вдається записати файл: %2</translation>
    </message>
    <message>
        <source>%1: the file is larger than %2 MiB; this is not a Kestrova settings file</source>
        <translation>%1: файл більший за %2 МіБ; це не файл налаштувань Kestrova</translation>
    </message>
</context>
<context>
    <name>UnsavedChanges</name>
    <message>
        <source>There are no unsaved changes to revert.</source>
        <translation>Незбережених змін, які можна скасувати, немає.</translation>
    </message>
    <message>
        <source>Variable %1</source>
        <translation>Змінна %1</translation>
    </message>
    <message>
        <source>%1 (id %2)</source>
        <translation>%1 (id %2)</translation>
    </message>
    <message>
        <source>Reverted to the saved value:</source>
        <translation>Повернуто збережене значення:</translation>
    </message>
    <message>
        <source>Not reverted:</source>
        <translation>Не повернуто:</translation>
    </message>
    <message>
        <source>its value before the change was never read from the device</source>
        <translation>значення до зміни ніколи не було прочитано з пристрою</translation>
    </message>
    <message>
        <source>the device has made it read-only</source>
        <translation>пристрій зробив її лише для читання</translation>
    </message>
    <message>
        <source>not sent, no device is connected</source>
        <translation>не надіслано, пристрій не підключено</translation>
    </message>
    <message>
        <source>the device refused it (%1)</source>
        <translation>пристрій відмовив (%1)</translation>
    </message>
    <message>
        <source>not sent (error %1)</source>
        <translation>не надіслано (помилка %1)</translation>
    </message>
</context>
<context>
    <name>LineJob</name>
    <message>
        <source>The link was lost: the cable was pulled or the controller restarted</source>
        <translation>Зв'язок втрачено: кабель від'єднали або контролер перезапустився</translation>
    </message>
    <message>
        <source>Reading the controller's identity…</source>
        <translation>Читання моделі, серійного номера й прошивки контролера…</translation>
    </message>
    <message>
        <source>The file holds settings for %1; this controller is %2</source>
        <translation>Файл містить налаштування %1; цей контролер — %2</translation>
    </message>
    <message>
        <source>Loading the controller's settings…</source>
        <translation>Завантаження налаштувань контролера…</translation>
    </message>
    <message numerus="yes">
        <source>Writing %n value(s)…</source>
        <translation>
            <numerusform>Запис %n значення…</numerusform>
            <numerusform>Запис %n значень…</numerusform>
            <numerusform>Запис %n значень…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: the controller does not hold the value</source>
        <translation>%1: контролер не тримає значення</translation>
    </message>
    <message numerus="yes">
        <source>The controller did not take %n value(s): %1</source>
        <translation>
            <numerusform>Контролер не прийняв %n значення: %1</numerusform>
            <numerusform>Контролер не прийняв %n значення: %1</numerusform>
            <numerusform>Контролер не прийняв %n значень: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Saving the settings in flash…</source>
        <translation>Збереження налаштувань у флеш-пам'ять…</translation>
    </message>
    <message>
        <source>Reading the settings back…</source>
        <translation>Зворотне читання налаштувань…</translation>
    </message>
    <message numerus="yes">
        <source>Read back, the controller does not hold the file's value of %n variable(s): %1</source>
        <translation>
            <numerusform>Після зворотного читання контролер не тримає значення з файлу для %n змінної: %1</numerusform>
            <numerusform>Після зворотного читання контролер не тримає значень з файлу для %n змінних: %1</numerusform>
            <numerusform>Після зворотного читання контролер не тримає значень з файлу для %n змінних: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LineLog</name>
    <message>
        <source>Cannot open the log %1: %2</source>
        <translation>Не вдалося відкрити журнал %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the log %1: the system did not store it</source>
        <translation>Не вдалося записати журнал %1: система його не зберегла</translation>
    </message>
    <message>
        <source>Cannot write the log %1: %2</source>
        <translation>Не вдалося записати журнал %1: %2</translation>
    </message>
</context>
<context>
    <name>LineRecord</name>
    <message>
        <source>unknown controller</source>
        <translation>невідомий контролер</translation>
    </message>
    <message>
        <source>Done: %1 — %2 written, %3 skipped</source>
        <translation>Готово: %1 — записано %2, пропущено %3</translation>
    </message>
    <message>
        <source>Failed: %1 at %2: %3</source>
        <translation>Помилка: %1 на кроці %2: %3</translation>
    </message>
    <message>
        <source>Done: %1 — unplug it and connect the next</source>
        <translation>Готово: %1 — від'єднайте його й під'єднайте наступний</translation>
    </message>
</context>
</TS>
