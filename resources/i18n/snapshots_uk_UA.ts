<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>SettingsSnapshot</name>
    <message>
        <source>inverted</source>
        <translation>інвертовано</translation>
    </message>
    <message>
        <source>redirected to %1</source>
        <translation>переспрямовано на %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1, but the device is a %2. Settings are only written to a device of the same model.</source>
        <translation>Файл містить налаштування пристрою %1, а підключено пристрій %2. Налаштування записуються лише на пристрій тієї самої моделі.</translation>
    </message>
    <message>
        <source>device of unknown model</source>
        <translation>невідомої моделі</translation>
    </message>
    <message>
        <source>The file was saved from firmware %1; the device runs firmware %2. Check the written settings on the device.</source>
        <translation>Файл збережено з прошивки %1, а на пристрої прошивка %2. Перевірте записані налаштування на пристрої.</translation>
    </message>
    <message>
        <source>not in the file</source>
        <translation>немає у файлі</translation>
    </message>
    <message>
        <source>the device has no such variable</source>
        <translation>на пристрої немає такої змінної</translation>
    </message>
    <message>
        <source>read-only on the device</source>
        <translation>на пристрої лише для читання</translation>
    </message>
    <message>
        <source>the type %1 is not known to this program; its value is kept in the file but never written</source>
        <translation>тип %1 цій програмі невідомий; значення зберігається у файлі, але ніколи не записується</translation>
    </message>
    <message>
        <source>the type differs (%1 in the file, %2 on the device)</source>
        <translation>тип відрізняється (%1 у файлі, %2 на пристрої)</translation>
    </message>
    <message>
        <source>raw values are not written to the device</source>
        <translation>сирі значення на пристрій не записуються</translation>
    </message>
    <message>
        <source>the text is longer than the %1 bytes the device holds</source>
        <translation>текст довший за %1 байт, які вміщує пристрій</translation>
    </message>
    <message>
        <source>the character cannot be written to the device</source>
        <translation>цей символ неможливо записати на пристрій</translation>
    </message>
    <message>
        <source>the device has no variable %1 to redirect to</source>
        <translation>на пристрої немає змінної %1 для переспрямування</translation>
    </message>
    <message>
        <source>on</source>
        <translation>увімкнено</translation>
    </message>

    <message>
        <source>off</source>
        <translation>вимкнено</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8 and cannot be written as it is</source>
        <translation>текст не є коректним UTF-8, тож його неможливо записати без змін</translation>
    </message>

    <message numerus="yes">
        <source>the value %1 does not fit in the %n byte(s) the device holds</source>
        <translation>
            <numerusform>значення %1 не вміщується в %n байт, які відводить пристрій</numerusform>
            <numerusform>значення %1 не вміщується в %n байти, які відводить пристрій</numerusform>
            <numerusform>значення %1 не вміщується в %n байтів, які відводить пристрій</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TransportManager</name>
    <message>
        <source>Offline file</source>
        <translation>Файл без пристрою</translation>
    </message>
</context>
<context>
    <name>SnapshotCompareDialog</name>
    <message>
        <source>The settings are identical</source>
        <translation>Налаштування однакові</translation>
    </message>
    <message>
        <source>Write differences…</source>
        <translation>Записати відмінності…</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Зберегти на пристрої</translation>
    </message>
    <message>
        <source>Compare with device: %1</source>
        <translation>Порівняння з пристроєм: %1</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фільтр</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Сторінка</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Value in the file</source>
        <translation>Значення у файлі</translation>
    </message>
    <message>
        <source>Value in the device</source>
        <translation>Значення на пристрої</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(немає)</translation>
    </message>
    <message numerus="yes">
        <source>%n difference(s)</source>
        <translation>
            <numerusform>%n відмінність</numerusform>
            <numerusform>%n відмінності</numerusform>
            <numerusform>%n відмінностей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n difference(s) shown</source>
        <translation>
            <numerusform>Показано %1 з %n відмінності</numerusform>
            <numerusform>Показано %1 з %n відмінностей</numerusform>
            <numerusform>Показано %1 з %n відмінностей</numerusform>
        </translation>
    </message>
    <message>
        <source>Write differences</source>
        <translation>Запис відмінностей</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Variable %1</source>
        <translation>Змінна %1</translation>
    </message>
    <message>
        <source>the device does not hold the value</source>
        <translation>пристрій не містить цього значення</translation>
    </message>
    <message>
        <source>%1: not written: %2</source>
        <translation>%1: не записано: %2</translation>
    </message>
    <message>
        <source>%1: skipped: %2</source>
        <translation>%1: пропущено: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) written.</source>
        <translation>
            <numerusform>Записано %n налаштування.</numerusform>
            <numerusform>Записано %n налаштування.</numerusform>
            <numerusform>Записано %n налаштувань.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Write %n value(s) to the device?</source>
        <translation>
            <numerusform>Записати %n значення на пристрій?</numerusform>
            <numerusform>Записати %n значення на пристрій?</numerusform>
            <numerusform>Записати %n значень на пристрій?</numerusform>
        </translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Відмінності</translation>
    </message>
    <message>
        <source>Read-only values</source>
        <translation>Значення лише для читання</translation>
    </message>
    <message numerus="yes">
        <source>%n read-only value(s) the device measures or reports differ; no file sets them, so they are not counted or written:</source>
        <translation>
            <numerusform>%n значення лише для читання, яке пристрій вимірює або повідомляє, відрізняється; файл його не задає, тому воно не враховується і не записується:</numerusform>
            <numerusform>%n значення лише для читання, які пристрій вимірює або повідомляє, відрізняються; файл їх не задає, тому вони не враховуються і не записуються:</numerusform>
            <numerusform>%n значень лише для читання, які пристрій вимірює або повідомляє, відрізняються; файл їх не задає, тому вони не враховуються і не записуються:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SnapshotActions</name>
    <message>
        <source>Save settings to file…</source>
        <translation>Зберегти налаштування у файл…</translation>
    </message>
    <message>
        <source>Open settings file…</source>
        <translation>Відкрити файл налаштувань…</translation>
    </message>
    <message>
        <source>Compare with device…</source>
        <translation>Порівняти з пристроєм…</translation>
    </message>
    <message>
        <source>Settings files (*.kset);;All files (*)</source>
        <translation>Файли налаштувань (*.kset);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Save settings to file</source>
        <translation>Збереження налаштувань у файл</translation>
    </message>
    <message>
        <source>Open settings file</source>
        <translation>Відкриття файлу налаштувань</translation>
    </message>
    <message>
        <source>Compare with device</source>
        <translation>Порівняння з пристроєм</translation>
    </message>
    <message>
        <source>Offline file: %1</source>
        <translation>Файл без пристрою: %1</translation>
    </message>
    <message>
        <source>Settings saved to the file %1</source>
        <translation>Налаштування збережено у файл %1</translation>
    </message>
    <message>
        <source>Not available for a settings file</source>
        <translation>Недоступно для файлу налаштувань</translation>
    </message>

    <message numerus="yes">
        <source>The device did not answer for %n variable(s) while loading: %1. The file would lack them. Save the settings anyway?</source>
        <translation>
            <numerusform>Під час завантаження пристрій не відповів щодо %n змінної: %1. У файлі її не буде. Все одно зберегти налаштування?</numerusform>
            <numerusform>Під час завантаження пристрій не відповів щодо %n змінних: %1. У файлі їх не буде. Все одно зберегти налаштування?</numerusform>
            <numerusform>Під час завантаження пристрій не відповів щодо %n змінних: %1. У файлі їх не буде. Все одно зберегти налаштування?</numerusform>
        </translation>
    </message>

    <message>
        <source>Opened settings file %1</source>
        <translation>Відкрито файл налаштувань %1</translation>
    </message>

    <message>
        <source>Settings written to %1</source>
        <translation>Налаштування записано у файл %1</translation>
    </message>
    <message>
        <source>Back to the device</source>
        <translation>Назад до пристрою</translation>
    </message>
</context>
</TS>
