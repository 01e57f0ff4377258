<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Cli</name>
    <message>
        <source>kestrova-cli: %1</source>
        <translation>kestrova-cli: %1</translation>
    </message>
    <message>
        <source>Run kestrova-cli --help for the commands.</source>
        <translation>Команди: kestrova-cli --help.</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>--log-format takes csv or jsonl, not "%1"</source>
        <translation>--log-format приймає csv або jsonl, а не «%1»</translation>
    </message>
    <message>
        <source>--count takes a number of controllers from 1, not "%1"</source>
        <translation>--count приймає кількість контролерів від 1, а не «%1»</translation>
    </message>
    <message>
        <source>--log - writes to standard output, where --json writes its document</source>
        <translation>--log - пише у стандартний вивід, куди --json пише свій документ</translation>
    </message>
    <message>
        <source>--device needs a serial number or a port</source>
        <translation>--device потребує серійного номера або порту</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 потребує значення</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>невідомий параметр %1</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>команду не вказано</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1</source>
        <translation>неправильна кількість аргументів для %1</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 не приймає значення</translation>
    </message>
    <message>
        <source>--wait takes a number of seconds from 0 to %1, not &quot;%2&quot;</source>
        <translation>--wait приймає кількість секунд від 0 до %1, а не «%2»</translation>
    </message>
    <message>
        <source>give the PIN with --pin or with --pin-file, not both</source>
        <translation>вкажіть PIN через --pin або через --pin-file, не обидва</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>невідома команда «%1»</translation>
    </message>
    <message>
        <source>%1 does not take %2</source>
        <translation>%1 не приймає %2</translation>
    </message>
    <message>
        <source>an empty argument for %1</source>
        <translation>порожній аргумент для %1</translation>
    </message>
    <message>
        <source>--pin - and upload - both read standard input</source>
        <translation>--pin - і upload - обидва читають стандартний вхід</translation>
    </message>
    <message>
        <source>%1 - writes to standard output, where --json writes its document</source>
        <translation>%1 - пише у стандартний вивід, куди --json пише свій документ</translation>
    </message>
    <message>
        <source>Usage: kestrova-cli [OPTIONS] COMMAND [ARGS...]
  devices                       the connected controllers: port, serial, model, and the process of another copy holding it; needs no PIN
  info                          model, serial, firmware, bootloader, algorithm, PIN state
  get ID...                     each variable: id, type, value (as the settings file writes it), page and name when a page shows it
  set [--force] ID=VALUE...     write values (value text as the settings file writes it); each is checked against its page&apos;s limits and confirmed by a read-back
  save-flash                    store the settings in flash and wait until the device reports it done
  dump                          every variable the pages show: page, name, id, value as the page shows it
  save-settings FILE|DIR|-      a settings file of the whole device (as &quot;Save settings to file…&quot;)
  compare FILE                  the differences between FILE and the device, as the window&apos;s compare lists them
  apply FILE [--yes] [--save] [--force]
                                write the differences (asks on a terminal unless --yes), then save to flash with --save
  ls                            the device&apos;s files: name, size, flags, time created
  upload LOCAL|- [NAME] [--yes] safe upload (temporary name, size check, rename), resumable as in the window; --yes deletes a partial file in the way that is not part of LOCAL
  download NAME [LOCAL|DIR|-]   verified download; an existing LOCAL is replaced only by a complete file
  rm NAME | mv OLD NEW          delete or rename a device file
  clock [--sync]                show the device clock; --sync sets it from this computer
  command [--yes] TEXT          run a service command (as the Status tab&apos;s buttons) and print its result; %1 ask on a terminal and need --yes otherwise
  line FILE [--log LOG] [--log-format csv|jsonl] [--count N] [--save]
                                program controller after controller with FILE: wait for one, check its model, write the differences, save to flash with --save, read them back, append a record to LOG (standard output without --log), wait for the unplug; until Ctrl-C or N controllers

Options:
  --demo                        use the built-in demo device (PIN 1234) instead of USB
  --wait SECONDS                wait up to SECONDS for the USB device (10; 0: look once)
  --device SERIAL|PORT          the controller to use when several are connected: its serial number or its port (such as 1-1.2), as devices lists them
  --pin PIN | --pin -           the PIN, or one line of standard input (--pin is visible to other users in the process list: prefer KESTROVA_PIN or --pin-file)
  --pin-file FILE               the PIN from the first line of FILE
  --json                        one JSON document on standard output, also for errors
  --english                     English output whatever the preferences say
  -h, --help | --version        this help | the version
  --                            ends the options; &quot;-&quot; is standard input or output

The PIN: --pin or --pin-file, else the environment variable KESTROVA_PIN, else asked on the terminal.
Exit status: 0 success (compare: identical), 1 compare found differences, 2 usage error, 3 no device or the link was lost, 4 PIN refused or locked, 5 the device refused an operation, 6 a local file could not be read or written, 7 apply skipped some settings, or line failed on some controllers.
</source>
        <translation>Використання: kestrova-cli [ПАРАМЕТРИ] КОМАНДА [АРГУМЕНТИ...]
  devices                       під&apos;єднані контролери: порт, серійний номер, модель і процес іншої копії, що його тримає; PIN не потрібен
  info                          модель, серійний номер, прошивка, завантажувач, алгоритм, стан PIN
  get НОМЕР...                  кожна змінна: номер, тип, значення (як його пише файл налаштувань), сторінка й назва, коли сторінка її показує
  set [--force] НОМЕР=ЗНАЧЕННЯ... записати значення (текст значення як у файлі налаштувань); кожне перевіряється за межами його сторінки й підтверджується зворотним читанням
  save-flash                    зберегти налаштування у флеш-пам&apos;ять і дочекатися, поки пристрій повідомить про завершення
  dump                          усі змінні, які показують сторінки: сторінка, назва, номер, значення, як його показує сторінка
  save-settings ФАЙЛ|ТЕКА|-     файл налаштувань усього пристрою (як «Зберегти налаштування у файл…»)
  compare ФАЙЛ                  відмінності між ФАЙЛОМ і пристроєм, як їх перелічує порівняння у вікні
  apply ФАЙЛ [--yes] [--save] [--force]
                                записати відмінності (у терміналі питає, якщо немає --yes), з --save потім зберегти у флеш-пам&apos;ять
  ls                            файли пристрою: назва, розмір, позначки, час створення
  upload ЛОКАЛЬНИЙ|- [НАЗВА] [--yes] безпечне вивантаження (тимчасова назва, перевірка розміру, перейменування), з відновленням, як у вікні; --yes видаляє частковий файл, що заважає і не є частиною ЛОКАЛЬНОГО
  download НАЗВА [ЛОКАЛЬНИЙ|ТЕКА|-] перевірене завантаження; наявний ЛОКАЛЬНИЙ файл замінюється лише повним файлом
  rm НАЗВА | mv СТАРА НОВА      видалити або перейменувати файл пристрою
  clock [--sync]                показати годинник пристрою; --sync встановлює його за цим комп&apos;ютером
  command [--yes] ТЕКСТ         виконати сервісну команду (як кнопки вкладки «Стан») і вивести її результат; %1 питають у терміналі, а без нього потребують --yes
  line ФАЙЛ [--log ЖУРНАЛ] [--log-format csv|jsonl] [--count N] [--save]
                                програмувати контролер за контролером ФАЙЛОМ: чекати на контролер, перевірити модель, записати відмінності, з --save зберегти у флеш-пам'ять, прочитати їх назад, дописати запис у ЖУРНАЛ (без --log — у стандартний вивід), чекати, поки його від'єднають; до Ctrl-C або N контролерів

Параметри:
  --demo                        вбудований демонстраційний пристрій (PIN 1234) замість USB
  --wait СЕКУНДИ                чекати на USB-пристрій до СЕКУНД (10; 0: глянути один раз)
  --device НОМЕР|ПОРТ           контролер, з яким працювати, коли під&apos;єднано кілька: його серійний номер або порт (наприклад, 1-1.2), як їх перелічує devices
  --pin PIN | --pin -           PIN або один рядок стандартного входу (--pin бачать інші користувачі у списку процесів: краще KESTROVA_PIN або --pin-file)
  --pin-file ФАЙЛ               PIN з першого рядка ФАЙЛУ
  --json                        один документ JSON у стандартний вивід, також для помилок
  --english                     виведення англійською, хоч би що казали налаштування
  -h, --help | --version        ця довідка | версія
  --                            кінець параметрів; «-» — стандартний вхід або вивід

PIN: --pin або --pin-file, інакше змінна середовища KESTROVA_PIN, інакше запит у терміналі.
Код завершення: 0 успіх (compare: однакові), 1 compare знайшла відмінності, 2 помилка у виклику, 3 немає пристрою або зв&apos;язок втрачено, 4 PIN відхилено або пристрій заблоковано, 5 пристрій відмовив в операції, 6 не вдалося прочитати або записати локальний файл, 7 apply пропустила деякі налаштування або line не впоралася з деякими контролерами.
</translation>
    </message>
</context>
<context>
    <name>CliOutput</name>
    <message>
        <source>kestrova-cli: cannot write the standard output</source>
        <translation>kestrova-cli: не вдалося записати стандартний вивід</translation>
    </message>
</context>
<context>
    <name>CliSession</name>
    <message>
        <source>Several controllers are connected: choose one with --device SERIAL or --device PORT.</source>
        <translation>Під&apos;єднано кілька контролерів: виберіть один за допомогою --device НОМЕР або --device ПОРТ.</translation>
    </message>
    <message>
        <source>The link to the device was lost and did not come back.</source>
        <translation>Зв&apos;язок із пристроєм втрачено, і він не відновився.</translation>
    </message>
    <message>
        <source>[y/N]</source>
        <translation>[т/Н]</translation>
    </message>
    <message>
        <source>y</source>
        <translation>т</translation>
    </message>
    <message numerus="yes">
        <source>No device found within %n second(s).</source>
        <translation>
            <numerusform>Пристрій не знайдено за %n секунду.</numerusform>
            <numerusform>Пристрій не знайдено за %n секунди.</numerusform>
            <numerusform>Пристрій не знайдено за %n секунд.</numerusform>
        </translation>
    </message>
    <message>
        <source>PIN: </source>
        <translation>PIN: </translation>
    </message>
    <message numerus="yes">
        <source>The PIN was refused; the device is locked for %n second(s).</source>
        <translation>
            <numerusform>PIN відхилено; пристрій заблоковано на %n секунду.</numerusform>
            <numerusform>PIN відхилено; пристрій заблоковано на %n секунди.</numerusform>
            <numerusform>PIN відхилено; пристрій заблоковано на %n секунд.</numerusform>
        </translation>
    </message>
    <message>
        <source>The PIN was refused (code %1).</source>
        <translation>PIN відхилено (код %1).</translation>
    </message>
    <message>
        <source>Loading the settings: %1 of %2</source>
        <translation>Завантаження налаштувань: %1 з %2</translation>
    </message>
    <message numerus="yes">
        <source>The device did not answer for %n variable(s) while loading: %1.</source>
        <translation>
            <numerusform>Пристрій не відповів щодо %n змінної під час завантаження: %1.</numerusform>
            <numerusform>Пристрій не відповів щодо %n змінних під час завантаження: %1.</numerusform>
            <numerusform>Пристрій не відповів щодо %n змінних під час завантаження: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Writing: %1 of %2</source>
        <translation>Запис: %1 з %2</translation>
    </message>
    <message>
        <source>Cannot read the PIN file %1: %2</source>
        <translation>Не вдалося прочитати файл PIN %1: %2</translation>
    </message>
    <message>
        <source>No PIN: give it with --pin, --pin-file or in KESTROVA_PIN, or run on a terminal to be asked.</source>
        <translation>Немає PIN: вкажіть його через --pin, --pin-file або в KESTROVA_PIN, або запустіть у терміналі, щоб його запитали.</translation>
    </message>
</context>
<context>
    <name>DeviceCommands</name>
    <message>
        <source>Device clock: %1</source>
        <translation>Годинник пристрою: %1</translation>
    </message>
    <message>
        <source>The device refused to set its clock (%1)</source>
        <translation>Пристрій відмовився встановити годинник (%1)</translation>
    </message>
    <message>
        <source>The device refused to report its clock (%1)</source>
        <translation>Пристрій відмовився повідомити час свого годинника (%1)</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>не встановлено</translation>
    </message>
    <message>
        <source>Running %1…</source>
        <translation>Виконується %1…</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>The device did not finish the command in time</source>
        <translation>Пристрій не завершив команду вчасно</translation>
    </message>
    <message>
        <source>The device reports the command failed</source>
        <translation>Пристрій повідомляє, що команда не виконана</translation>
    </message>
    <message>
        <source>Start the engine of the car now?</source>
        <translation>Запустити двигун автомобіля зараз?</translation>
    </message>
    <message>
        <source>Sound the horn of the car now?</source>
        <translation>Подати звуковий сигнал автомобіля зараз?</translation>
    </message>
    <message>
        <source>%1 makes the car move or sound; without a terminal give --yes</source>
        <translation>%1 змушує автомобіль рухатися або звучати; без термінала вкажіть --yes</translation>
    </message>
    <message>
        <source>Nothing sent</source>
        <translation>Нічого не надіслано</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>The device&apos;s file system is not ready (status %1).</source>
        <translation>Файлова система пристрою не готова (стан %1).</translation>
    </message>
    <message>
        <source>The device has no file %1</source>
        <translation>На пристрої немає файлу %1</translation>
    </message>
    <message>
        <source>%1 is a system file of the device and cannot be changed</source>
        <translation>%1 — системний файл пристрою, його не можна змінити</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a device file name: 1-%2 characters, Latin-1 only</source>
        <translation>«%1» не є назвою файлу пристрою: 1–%2 символів, лише Latin-1</translation>
    </message>
    <message>
        <source>%1: %2 of %3 bytes</source>
        <translation>%1: %2 з %3 байтів</translation>
    </message>
    <message>
        <source>A system file &apos;%1&apos; exists, it cannot be replaced</source>
        <translation>Системний файл &apos;%1&apos; існує, його не можна замінити</translation>
    </message>
    <message numerus="yes">
        <source>Uploaded %1 as &apos;%2&apos; (%n byte(s))</source>
        <translation>
            <numerusform>%1 вивантажено як &apos;%2&apos; (%n байт)</numerusform>
            <numerusform>%1 вивантажено як &apos;%2&apos; (%n байти)</numerusform>
            <numerusform>%1 вивантажено як &apos;%2&apos; (%n байтів)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Downloaded &apos;%1&apos; to %2 (%n byte(s))</source>
        <translation>
            <numerusform>&apos;%1&apos; завантажено в %2 (%n байт)</numerusform>
            <numerusform>&apos;%1&apos; завантажено в %2 (%n байти)</numerusform>
            <numerusform>&apos;%1&apos; завантажено в %2 (%n байтів)</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleted &apos;%1&apos; from the device</source>
        <translation>&apos;%1&apos; видалено з пристрою</translation>
    </message>
    <message>
        <source>Renamed &apos;%1&apos; to &apos;%2&apos; on the device</source>
        <translation>&apos;%1&apos; перейменовано на &apos;%2&apos; на пристрої</translation>
    </message>
    <message>
        <source>upload - needs the NAME the data gets on the device</source>
        <translation>upload - потребує НАЗВИ, яку дані отримають на пристрої</translation>
    </message>
    <message>
        <source>Cannot read or write the local file %1</source>
        <translation>Не вдалося прочитати або записати локальний файл %1</translation>
    </message>
    <message>
        <source>%1 is a system file and is not downloaded</source>
        <translation>%1 — системний файл, його не завантажують</translation>
    </message>
    <message>
        <source>Cannot make a temporary folder: %1</source>
        <translation>Не вдалося створити тимчасову теку: %1</translation>
    </message>
</context>
<context>
    <name>LocalTarget</name>
    <message>
        <source>Cannot write the standard output</source>
        <translation>Не вдалося записати стандартний вивід</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не вдалося записати %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: the folder %2 does not exist</source>
        <translation>Не вдалося записати %1: теки %2 не існує</translation>
    </message>
</context>
<context>
    <name>SnapshotCommands</name>
    <message numerus="yes">
        <source>Settings of %n variable(s) saved to %1</source>
        <translation>
            <numerusform>Налаштування %n змінної збережено в %1</numerusform>
            <numerusform>Налаштування %n змінних збережено в %1</numerusform>
            <numerusform>Налаштування %n змінних збережено в %1</numerusform>
        </translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(немає)</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>лише для читання</translation>
    </message>
    <message numerus="yes">
        <source>The settings are identical; %n read-only value(s) differ</source>
        <translation>
            <numerusform>Налаштування однакові; відрізняється %n значення лише для читання</numerusform>
            <numerusform>Налаштування однакові; відрізняються %n значення лише для читання</numerusform>
            <numerusform>Налаштування однакові; відрізняються %n значень лише для читання</numerusform>
        </translation>
    </message>
    <message>
        <source>The settings are identical</source>
        <translation>Налаштування однакові</translation>
    </message>
    <message numerus="yes">
        <source>%n difference(s)</source>
        <translation>
            <numerusform>%n відмінність</numerusform>
            <numerusform>%n відмінності</numerusform>
            <numerusform>%n відмінностей</numerusform>
        </translation>
    </message>
    <message>
        <source>apply asks before writing; without a terminal give --yes</source>
        <translation>apply питає перед записом; без термінала вкажіть --yes</translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>пропущено: %1</translation>
    </message>
    <message>
        <source>Nothing to write</source>
        <translation>Нічого записувати</translation>
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
        <source>Nothing written</source>
        <translation>Нічого не записано</translation>
    </message>
    <message>
        <source>read-only: not written</source>
        <translation>лише для читання: не записано</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) of the file were skipped</source>
        <translation>
            <numerusform>%n налаштування файлу пропущено</numerusform>
            <numerusform>%n налаштування файлу пропущено</numerusform>
            <numerusform>%n налаштувань файлу пропущено</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UploadSource</name>
    <message>
        <source>standard input</source>
        <translation>стандартний вхід</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не вдалося прочитати %1: %2</translation>
    </message>
    <message>
        <source>Cannot make a temporary copy of %1: %2</source>
        <translation>Не вдалося створити тимчасову копію %1: %2</translation>
    </message>
    <message>
        <source>%1 brings more than %2 bytes, more than the device holds</source>
        <translation>%1 містить понад %2 байтів, більше, ніж вміщує пристрій</translation>
    </message>
</context>
<context>
    <name>VarCommands</name>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Серійний номер</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Прошивка</translation>
    </message>
    <message>
        <source>Bootloader</source>
        <translation>Завантажувач</translation>
    </message>
    <message>
        <source>Algorithm</source>
        <translation>Алгоритм</translation>
    </message>
    <message>
        <source>PIN: accepted before</source>
        <translation>PIN: прийнято раніше</translation>
    </message>
    <message>
        <source>PIN: accepted</source>
        <translation>PIN: прийнято</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a variable id (1 to 65535)</source>
        <translation>«%1» не є номером змінної (від 1 до 65535)</translation>
    </message>
    <message>
        <source>Variable %1: the device has no such variable</source>
        <translation>Змінна %1: на пристрої немає такої змінної</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not ID=VALUE</source>
        <translation>«%1» не має вигляду НОМЕР=ЗНАЧЕННЯ</translation>
    </message>
    <message>
        <source>Variable %1: &quot;%2&quot; is not a value of type %3</source>
        <translation>Змінна %1: «%2» не є значенням типу %3</translation>
    </message>
    <message>
        <source>Variable %1: not written: %2</source>
        <translation>Змінна %1: не записано: %2</translation>
    </message>
    <message>
        <source>written</source>
        <translation>записано</translation>
    </message>
    <message>
        <source>not written: no answer from the device (error %1)</source>
        <translation>не записано: пристрій не відповів (помилка %1)</translation>
    </message>
    <message>
        <source>not written: %1</source>
        <translation>не записано: %1</translation>
    </message>
    <message>
        <source>not written: the device does not hold the value</source>
        <translation>не записано: пристрій не зберігає це значення</translation>
    </message>
    <message>
        <source>Saving the settings in flash…</source>
        <translation>Збереження налаштувань у флеш-пам&apos;ять…</translation>
    </message>
    <message>
        <source>Settings saved in flash</source>
        <translation>Налаштування збережено у флеш-пам&apos;ять</translation>
    </message>
    <message>
        <source>Variable %1 is given twice</source>
        <translation>Змінну %1 вказано двічі</translation>
    </message>
</context>
<context>
    <name>LineCommand</name>
    <message>
        <source>%1 names no controller model; the line writes only a file saved from a controller</source>
        <translation>%1 не називає моделі контролера; лінія записує лише файл, збережений з контролера</translation>
    </message>
    <message>
        <source>Waiting for a controller (Ctrl-C ends the line)…</source>
        <translation>Очікування контролера (Ctrl-C завершує лінію)…</translation>
    </message>
    <message>
        <source>Controllers done: %1, failed: %2</source>
        <translation>Контролерів готово: %1, з помилкою: %2</translation>
    </message>
    <message>
        <source>The controller refused the PIN</source>
        <translation>Контролер відхилив PIN</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 з %3</translation>
    </message>
</context>
<context>
    <name>DevicesCommand</name>
    <message>
        <source>held by process %1</source>
        <translation>тримає процес %1</translation>
    </message>
    <message>
        <source>free</source>
        <translation>вільний</translation>
    </message>
    <message>
        <source>No controller is connected.</source>
        <translation>Жоден контролер не під&apos;єднано.</translation>
    </message>
</context>
</TS>
