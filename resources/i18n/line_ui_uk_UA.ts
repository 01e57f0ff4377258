<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>LineDialog</name>
    <message>
        <source>%1 names no controller model, so the line cannot tell which controllers it fits.</source>
        <translation>%1 не вказує модель контролера, тож лінія не може визначити, яким контролерам він підходить.</translation>
    </message>
    <message>
        <source>&amp;Save in flash after writing</source>
        <translation>&amp;Зберегти у флеш-пам&apos;яті після запису</translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation>&amp;Вибрати…</translation>
    </message>
    <message>
        <source>Choose the settings file</source>
        <translation>Вибрати файл налаштувань</translation>
    </message>
    <message>
        <source>Choose the settings to copy, then press Start.</source>
        <translation>Виберіть налаштування для копіювання й натисніть «Почати».</translation>
    </message>
    <message>
        <source>Connect the next controller.</source>
        <translation>Під&apos;єднайте наступний контролер.</translation>
    </message>
    <message>
        <source>Controllers programmed</source>
        <translation>Запрограмовані контролери</translation>
    </message>
    <message>
        <source>Copy settings to the next controller</source>
        <translation>Копіювання налаштувань на наступний контролер</translation>
    </message>
    <message>
        <source>Done: %1, failed: %2</source>
        <translation>Готово: %1, невдало: %2</translation>
    </message>
    <message>
        <source>From a settings &amp;file:</source>
        <translation>З &amp;файлу налаштувань:</translation>
    </message>
    <message>
        <source>From the &amp;connected controller&apos;s current settings</source>
        <translation>З поточних налаштувань &amp;під&apos;єднаного контролера</translation>
    </message>
    <message>
        <source>Line status</source>
        <translation>Стан лінії</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <translation>Файл не вибрано</translation>
    </message>
    <message>
        <source>Programming the controller…</source>
        <translation>Програмування контролера…</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Поступ</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Причина</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>&amp;Почати</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Зупинити</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Серійний номер</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Файл налаштувань</translation>
    </message>
    <message>
        <source>Settings of %1 from %2. Press Start.</source>
        <translation>Налаштування %1 з %2. Натисніть «Почати».</translation>
    </message>
    <message>
        <source>Settings to copy</source>
        <translation>Налаштування для копіювання</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Пропущено</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Крок</translation>
    </message>
    <message>
        <source>The line is stopped.</source>
        <translation>Лінію зупинено.</translation>
    </message>
    <message>
        <source>The line stops after this controller.</source>
        <translation>Лінія зупиниться після цього контролера.</translation>
    </message>
    <message>
        <source>The settings of %1 are taken. Unplug it and connect the next controller.</source>
        <translation>Налаштування %1 взято. Від&apos;єднайте його й під&apos;єднайте наступний контролер.</translation>
    </message>
    <message>
        <source>The settings of %1, taken at %2</source>
        <translation>Налаштування %1, взяті о %2</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Unplug it and connect the next controller.</source>
        <translation>Від&apos;єднайте його й під&apos;єднайте наступний контролер.</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Записано</translation>
    </message>
    <message>
        <source>done</source>
        <translation>готово</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>невдало</translation>
    </message>
</context>
<context>
    <name>SnapshotActions</name>
    <message>
        <source>Copy settings to the next controller…</source>
        <translation>Копіювати налаштування на наступний контролер…</translation>
    </message>
</context>
</TS>
