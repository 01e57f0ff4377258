<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>MainWindow</name>
    <message>
        <source>Kestrova</source>
        <translation>Kestrova</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальне</translation>
    </message>
    <message>
        <source>PIN 1</source>
        <translation>PIN 1</translation>
    </message>
    <message>
        <source>4 characters</source>
        <translation>4 символи</translation>
    </message>
    <message>
        <source>Send PIN</source>
        <translation>Надіслати PIN</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Пристрій</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Модель:</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Серійний номер:</translation>
    </message>
    <message>
        <source>Bootloader:</source>
        <translation>Завантажувач:</translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation>Прошивка:</translation>
    </message>
    <message>
        <source>Algorithm:</source>
        <translation>Алгоритм:</translation>
    </message>
    <message>
        <source>CAN:</source>
        <translation>CAN:</translation>
    </message>
    <message>
        <source>Access:</source>
        <translation>Доступ:</translation>
    </message>
    <message>
        <source>Save to device</source>
        <translation>Зберегти в пристрій</translation>
    </message>
    <message>
        <source>Restart device</source>
        <translation>Перезапустити пристрій</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Service commands</source>
        <translation>Сервісні команди</translation>
    </message>
    <message>
        <source>Зняти з охорони</source>
        <translation>Зняти з охорони</translation>
    </message>
    <message>
        <source>Поставити в охорону</source>
        <translation>Поставити в охорону</translation>
    </message>
    <message>
        <source>Включити сервісний режим</source>
        <translation>Включити сервісний режим</translation>
    </message>
    <message>
        <source>Посигналити</source>
        <translation>Посигналити</translation>
    </message>
    <message>
        <source>Запустити двигун</source>
        <translation>Запустити двигун</translation>
    </message>
    <message>
        <source>Зупинити двигун</source>
        <translation>Зупинити двигун</translation>
    </message>
    <message>
        <source>Export logs to file</source>
        <translation>Експортувати журнали у файл</translation>
    </message>
    <message>
        <source>Device clock</source>
        <translation>Годинник пристрою</translation>
    </message>
    <message>
        <source>Set the time of this PC</source>
        <translation>Встановити час цього ПК</translation>
    </message>
    <message>
        <source>Flash memory</source>
        <translation>Флеш-пам&apos;ять</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Усього:</translation>
    </message>
    <message>
        <source>Sector size:</source>
        <translation>Розмір сектора:</translation>
    </message>
    <message>
        <source>Free:</source>
        <translation>Вільно:</translation>
    </message>
    <message>
        <source>Erased:</source>
        <translation>Стерто:</translation>
    </message>
    <message>
        <source>Used:</source>
        <translation>Зайнято:</translation>
    </message>
    <message>
        <source>File system status:</source>
        <translation>Стан файлової системи:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файли</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Show only alg</source>
        <translation>Лише алгоритми</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Розмір</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Створено</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Системний</translation>
    </message>
    <message>
        <source>Save settings to device</source>
        <translation>Зберегти налаштування в пристрій</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>A file transfer to the device is running</source>
        <translation>Триває передавання файлів на пристрій</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Від&apos;єднано</translation>
    </message>
    <message>
        <source>Connection lost: read only</source>
        <translation>Зв&apos;язок втрачено: лише читання</translation>
    </message>
    <message>
        <source>Connected:</source>
        <translation>Під&apos;єднано:</translation>
    </message>
    <message>
        <source> product:</source>
        <translation> виріб:</translation>
    </message>
    <message>
        <source> manufacturer:</source>
        <translation> виробник:</translation>
    </message>
    <message>
        <source>PIN OK</source>
        <translation>PIN OK</translation>
    </message>
    <message>
        <source>PIN REQUIRED</source>
        <translation>ПОТРІБЕН PIN</translation>
    </message>
    <message>
        <source>PIN 1 has %1 characters</source>
        <translation>PIN 1 має %1 символи</translation>
    </message>
    <message>
        <source>PIN 1 is sent, waiting for the device ...</source>
        <translation>PIN 1 надіслано, очікування пристрою ...</translation>
    </message>
    <message>
        <source>timeout %1</source>
        <translation>блокування %1</translation>
    </message>
    <message>
        <source>PIN %1: no answer from the device (error %2)</source>
        <translation>PIN %1: пристрій не відповідає (помилка %2)</translation>
    </message>
    <message>
        <source>PIN %1 accepted</source>
        <translation>PIN %1 прийнято</translation>
    </message>
    <message>
        <source>PIN %1 is already accepted</source>
        <translation>PIN %1 уже прийнято</translation>
    </message>
    <message>
        <source>PIN %1 rejected (code %2), locked for %3 s</source>
        <translation>PIN %1 відхилено (код %2), заблоковано на %3 с</translation>
    </message>
    <message>
        <source>PIN 2 refused (code 255): send PIN 1 first, a new connection forgets the PINs</source>
        <translation>PIN 2 відхилено (код 255): спершу надішліть PIN 1, нове з&apos;єднання забуває PIN-коди</translation>
    </message>
    <message>
        <source>PIN 1 refused (code 255)</source>
        <translation>PIN 1 відхилено (код 255)</translation>
    </message>
    <message>
        <source>PIN %1 rejected (code %2)</source>
        <translation>PIN %1 відхилено (код %2)</translation>
    </message>
    <message>
        <source> [try %1, %2]</source>
        <translation> [спроба %1, %2]</translation>
    </message>
    <message>
        <source>loading ...</source>
        <translation>завантаження ...</translation>
    </message>
    <message>
        <source>ERROR: file system is readonly</source>
        <translation>ПОМИЛКА: файлова система лише для читання</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Loading variables from the device ...</source>
        <translation>Завантаження змінних з пристрою ...</translation>
    </message>
    <message>
        <source>Waiting for the file system of the device to start ...</source>
        <translation>Очікування запуску файлової системи пристрою ...</translation>
    </message>
    <message>
        <source>var %1 changed</source>
        <translation>змінну %1 змінено</translation>
    </message>
    <message>
        <source>Статус останньої команди : </source>
        <translation>Статус останньої команди : </translation>
    </message>
    <message>
        <source>clock is not set</source>
        <translation>годинник не встановлено</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>Cannot start the save, error %1</source>
        <translation>Не вдалося почати збереження, помилка %1</translation>
    </message>
    <message>
        <source>Cannot read the number of variables, error %1</source>
        <translation>Не вдалося прочитати кількість змінних, помилка %1</translation>
    </message>
    <message>
        <source>Cannot read the state of the save, error %1</source>
        <translation>Не вдалося прочитати стан збереження, помилка %1</translation>
    </message>
    <message>
        <source>Settings save -&gt; fail</source>
        <translation>Збереження налаштувань -&gt; невдача</translation>
    </message>
    <message>
        <source>Settings saved in flash</source>
        <translation>Налаштування збережено у флеш-пам&apos;ять</translation>
    </message>
    <message>
        <source>write var %1 failed, code=%2</source>
        <translation>запис змінної %1 не вдався, код=%2</translation>
    </message>
    <message>
        <source>The connection is lost: the values are read only. The change was not sent.</source>
        <translation>Зв&apos;язок втрачено: значення лише для читання. Зміну не надіслано.</translation>
    </message>
    <message>
        <source>program</source>
        <translation>програма</translation>
    </message>
    <message>
        <source>firmware</source>
        <translation>прошивка</translation>
    </message>
    <message>
        <source>algorithm</source>
        <translation>алгоритм</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: installed %2, on the site %3</source>
        <translation>%1: встановлено %2, на сайті %3</translation>
    </message>
    <message>
        <source>Update: %1</source>
        <translation>Оновлення: %1</translation>
    </message>
    <message>
        <source>New versions</source>
        <translation>Нові версії</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Почати знову</translation>
    </message>
    <message>
        <source>Cancel transfer</source>
        <translation>Скасувати передавання</translation>
    </message>
    <message>
        <source>A file transfer is running: abort it first.</source>
        <translation>Триває передавання файлів: спершу перервіть його.</translation>
    </message>
    <message>
        <source>Settings are not saved</source>
        <translation>Налаштування не збережено</translation>
    </message>
    <message>
        <source>The settings were changed, but they are not saved to the device. After a restart of the device they are lost. Close the program anyway?</source>
        <translation>Налаштування змінено, але не збережено в пристрій. Після перезапуску пристрою їх буде втрачено. Все одно закрити програму?</translation>
    </message>
    <message>
        <source>Save to the device</source>
        <translation>Зберегти в пристрій</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Закрити без збереження</translation>
    </message>
    <message>
        <source>Revert unsaved changes</source>
        <translation>Скасувати незбережені зміни</translation>
    </message>
    <message>
        <source>Device clock set to %1</source>
        <translation>Годинник пристрою встановлено на %1</translation>
    </message>

    <message>
        <source>The device clock was not set (error %1)</source>
        <translation>Годинник пристрою не встановлено (помилка %1)</translation>
    </message>
    <message>
        <source>The device refused to set its clock (%1)</source>
        <translation>Пристрій відмовився встановити годинник (%1)</translation>
    </message>

    <message>
        <source>Saving the settings to the device; the program closes once the device confirms it</source>
        <translation>Налаштування зберігаються в пристрої; програма закриється, щойно пристрій це підтвердить</translation>
    </message>
    <message>
        <source>Start the engine of the car now?</source>
        <translation>Запустити двигун автомобіля зараз?</translation>
    </message>

    <message>
        <source>Restart the device now? The connection drops until the device is back.</source>
        <translation>Перезапустити пристрій зараз? Зв&apos;язок перерветься, доки пристрій не повернеться.</translation>
    </message>

    <message>
        <source>File system not ready: device files unavailable</source>
        <translation>Файлова система не готова: файли пристрою недоступні</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>About Kestrova…</source>
        <translation>Про Kestrova…</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Зберегти у файл</translation>
    </message>
    <message>
        <source>Writing the settings to %1</source>
        <translation>Налаштування записуються у %1</translation>
    </message>
    <message>
        <source>Saving the settings to the device&apos;s flash</source>
        <translation>Налаштування зберігаються у флеш-пам'ять пристрою</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Незбережені зміни</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Зберегти зміни у %1?</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Service tool for Orvo vehicle security controllers.</source>
        <translation>Сервісна програма для охоронних контролерів Orvo.</translation>
    </message>
    <message>
        <source>Start on the built-in demo device.</source>
        <translation>Запустити на вбудованому демонстраційному пристрої.</translation>
    </message>
    <message>
        <source>Keep Qt&apos;s diagnostic messages on standard error.</source>
        <translation>Залишити діагностичні повідомлення Qt у стандартному потоці помилок.</translation>
    </message>
    <message>
        <source>Show the program in English.</source>
        <translation>Показати програму англійською.</translation>
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
    <name>AboutBox</name>
    <message>
        <source>Service tool for Orvo vehicle security controllers.</source>
        <translation>Сервісна програма для охоронних контролерів Orvo.</translation>
    </message>
    <message>
        <source>© 2026 Orvo SOFT. Proprietary licence: all rights reserved. The program may be used only as Orvo SOFT permits; copying, changing or passing it on needs Orvo SOFT&apos;s written permission.</source>
        <translation>© 2026 Orvo SOFT. Власницька ліцензія: усі права захищено. Програмою можна користуватися лише так, як дозволяє Orvo SOFT; копіювати, змінювати чи передавати її можна лише з письмового дозволу Orvo SOFT.</translation>
    </message>
    <message>
        <source>On Linux the device opens only with the udev rule installed (a package or an installation to /usr has it). For a program built from source, from the Kestrova folder:</source>
        <translation>У Linux пристрій відкривається лише зі встановленим правилом udev (пакет або встановлення в /usr його мають). Для програми, зібраної з вихідного коду, з теки Kestrova:</translation>
    </message>
    <message>
        <source>Then unplug the device and plug it in again.</source>
        <translation>Потім від'єднайте пристрій і під'єднайте його знову.</translation>
    </message>
    <message>
        <source>About Kestrova</source>
        <translation>Про Kestrova</translation>
    </message>
</context>
</TS>
