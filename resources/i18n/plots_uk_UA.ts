<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>PlotView</name>
    <message>
        <source>Time, s</source>
        <translation>Час, с</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Stop the chart moving; readings are still kept</source>
        <translation>Зупинити рух графіка; показання й далі зберігаються</translation>
    </message>
    <message>
        <source>Automatic range</source>
        <translation>Автоматичний діапазон</translation>
    </message>
    <message>
        <source>Fit every reading; off: show the range set beside it</source>
        <translation>Вмістити всі показання; вимкнено: показати діапазон, заданий поруч</translation>
    </message>
    <message>
        <source> s</source>
        <translation> с</translation>
    </message>
    <message>
        <source>Values from</source>
        <translation>Значення від</translation>
    </message>
    <message>
        <source>to</source>
        <translation>до</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Останні</translation>
    </message>
    <message>
        <source>Reset zoom</source>
        <translation>Скинути масштаб</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Прибрати</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Експорт…</translation>
    </message>
    <message>
        <source>t = %1 s</source>
        <translation>t = %1 с</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Прибрати всі</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Файл CSV (*.csv)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Зображення PNG (*.png)</translation>
    </message>
    <message>
        <source>Export plot</source>
        <translation>Експорт графіка</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Не вдалося записати %1.</translation>
    </message>
</context>
<context>
    <name>PlotWindow</name>
    <message>
        <source>Plot</source>
        <translation>Графік</translation>
    </message>
    <message>
        <source>A plot shows at most %1 values; remove one first.</source>
        <translation>Графік показує щонайбільше %1 величин; спершу приберіть одну.</translation>
    </message>
</context>
<context>
    <name>VarWidget</name>
    <message>
        <source>Plot</source>
        <translation>Графік</translation>
    </message>
</context>
<context>
    <name>PlotPanel</name>
    <message>
        <source>Plot</source>
        <translation>Графік</translation>
    </message>
    <message>
        <source>Tick a value to draw it in the plot window. Any number row of any page offers Plot when right-clicked.</source>
        <translation>Позначте величину, щоб побачити її у вікні графіка. Будь-який числовий рядок будь-якої сторінки пропонує «Графік» у контекстному меню.</translation>
    </message>
</context>
</TS>
