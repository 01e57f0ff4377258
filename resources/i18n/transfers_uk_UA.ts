<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>DeviceProtocol</name>
    <message>
        <source>&apos;%1&apos; on the device holds the first %2 bytes of this file: the upload goes on from there</source>
        <translation>&apos;%1&apos; на пристрої містить перші %2 байтів цього файлу: вивантаження продовжується звідти</translation>
    </message>
    <message>
        <source>Upload: a partial file is in the way</source>
        <translation>Вивантаження: заважає неповний файл</translation>
    </message>
    <message>
        <source>Delete the partial file %1 and upload again?</source>
        <translation>Видалити неповний файл %1 і вивантажити заново?</translation>
    </message>
    <message>
        <source>The partial file %1 on the device is not part of this file and was kept.</source>
        <translation>Неповний файл %1 на пристрої не є частиною цього файлу, його залишено.</translation>
    </message>
    <message>
        <source>The partial file &apos;%1&apos; could not be deleted from the device</source>
        <translation>Неповний файл &apos;%1&apos; не вдалося видалити з пристрою</translation>
    </message>
</context>
<context>
    <name>TransferOutcome</name>
    <message>
        <source>The device refused: %1 (%2)</source>
        <translation>Пристрій відмовив: %1 (%2)</translation>
    </message>
    <message>
        <source>The reason was given in the message before</source>
        <translation>Причину вказано в попередньому повідомленні</translation>
    </message>
    <message>
        <source>The transfer was stopped before its end</source>
        <translation>Передачу зупинено до її завершення</translation>
    </message>
    <message>
        <source>A file on this computer could not be read or written</source>
        <translation>Не вдалося прочитати або записати файл на цьому комп&apos;ютері</translation>
    </message>
    <message>
        <source>The device did not come back within the wait</source>
        <translation>Пристрій не повернувся за час очікування</translation>
    </message>
    <message>
        <source>The device was gone before the operation could run</source>
        <translation>Пристрій зник раніше, ніж операція встигла виконатися</translation>
    </message>
    <message>
        <source>The cable was pulled or the device restarted</source>
        <translation>Кабель від&apos;єднано або пристрій перезапустився</translation>
    </message>
    <message>
        <source>The device did not answer in time</source>
        <translation>Пристрій не відповів вчасно</translation>
    </message>
    <message>
        <source>The device&apos;s firmware cannot go on with a transfer in the middle of a file</source>
        <translation>Прошивка пристрою не може продовжити передачу з середини файлу</translation>
    </message>
    <message>
        <source>Stopped because the program is ending</source>
        <translation>Зупинено, бо програма завершує роботу</translation>
    </message>
    <message>
        <source>The device does not allow this command on this link</source>
        <translation>Пристрій не дозволяє цю команду на цьому з&apos;єднанні</translation>
    </message>
    <message>
        <source>The link to the device failed</source>
        <translation>Зв&apos;язок із пристроєм перервався</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>Transfer stopped</source>
        <translation>Передачу зупинено</translation>
    </message>
</context>
<context>
    <name>FilesPage</name>
    <message>
        <source>File operation failed: %1</source>
        <translation>Операція з файлом не вдалася: %1</translation>
    </message>
    <message>
        <source>Delete the file %1 from the device?</source>
        <translation>Видалити файл %1 з пристрою?</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ready</source>
        <translation>готова</translation>
    </message>
    <message>
        <source>not reported</source>
        <translation>не повідомлено</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>лише читання</translation>
    </message>
    <message>
        <source>starting (%1)</source>
        <translation>запускається (%1)</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Run the upload again with --yes to answer yes without a terminal.</source>
        <translation>Запустіть вивантаження знову з --yes, щоб відповісти «так» без термінала.</translation>
    </message>
</context>
</TS>
