<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>VarEditor</name>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation>Допустимо: від %1 до %2</translation>
    </message>
</context>
<context>
    <name>LineVarEditor</name>
    <message>
        <source>At most %1 bytes</source>
        <translation>Не більше %1 байт</translation>
    </message>
    <message>
        <source>One character</source>
        <translation>Один символ</translation>
    </message>
    <message>
        <source>%1 / %2 bytes</source>
        <translation>%1 / %2 байт</translation>
    </message>
    <message>
        <source>%1 does not fit this setting.</source>
        <translation>%1 не вміщується в це налаштування.</translation>
    </message>
</context>
<context>
    <name>VarWidget</name>
    <message>
        <source>Not available on this device (id %1)</source>
        <translation>Недоступно на цьому пристрої (id %1)</translation>
    </message>
    <message>
        <source>Changed since the settings were last saved to the device</source>
        <translation>Змінено після останнього збереження налаштувань у пристрій</translation>
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
    <name>MainWindow</name>
    <message>
        <source>Revert unsaved changes</source>
        <translation>Скасувати незбережені зміни</translation>
    </message>
</context>
</TS>
