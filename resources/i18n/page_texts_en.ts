<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="uk_UA">
<context>
    <name>PageText</name>
    <message>
        <source>2D-координати</source>
        <translation>2D fix</translation>
    </message>
    <message>
        <source>3D-координати</source>
        <translation>3D fix</translation>
    </message>
    <message>
        <source>Адмін</source>
        <translation>Admin</translation>
    </message>
    <message>
        <source>Антипограбування</source>
        <translation>Anti-hijack</translation>
    </message>
    <message>
        <source>Апаратна ревізія плати</source>
        <translation>Board hardware revision</translation>
    </message>
    <message>
        <source>Багажник</source>
        <translation>Trunk</translation>
    </message>
    <message>
        <source>Версія CAN-бібліотеки</source>
        <translation>CAN library version</translation>
    </message>
    <message>
        <source>Версія алгоритму</source>
        <translation>Algorithm version</translation>
    </message>
    <message>
        <source>Версія алгоритму охорони та автозапуску, завантаженого в пристрій.</source>
        <translation>Version of the arming and remote start algorithm loaded into the device.</translation>
    </message>
    <message>
        <source>Версія бібліотеки автомобілів для CAN-шини.</source>
        <translation>Version of the CAN bus vehicle library.</translation>
    </message>
    <message>
        <source>Версія завантажувача</source>
        <translation>Bootloader version</translation>
    </message>
    <message>
        <source>Версія завантажувача, що оновлює прошивку пристрою.</source>
        <translation>Version of the bootloader that updates the device firmware.</translation>
    </message>
    <message>
        <source>Версія прошивки</source>
        <translation>Firmware version</translation>
    </message>
    <message>
        <source>Версія прошивки основного блоку. Порівнюється з останньою версією на сайті.</source>
        <translation>Firmware version of the main unit. Compared with the latest version on the website.</translation>
    </message>
    <message>
        <source>Вимкнено</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Відповідь пристрою на останню службову команду: WAIT — виконується, OK — виконано, інший текст — помилка.</source>
        <translation>Device response to the last service command: WAIT — in progress, OK — done, any other text — error.</translation>
    </message>
    <message>
        <source>Датчик нахилу</source>
        <translation>Tilt sensor</translation>
    </message>
    <message>
        <source>Датчик руху</source>
        <translation>Motion sensor</translation>
    </message>
    <message>
        <source>Датчик удару</source>
        <translation>Shock sensor</translation>
    </message>
    <message>
        <source>Двері</source>
        <translation>Doors</translation>
    </message>
    <message>
        <source>Двигун працює (автозапуск)</source>
        <translation>Engine running (remote start)</translation>
    </message>
    <message>
        <source>Докладний журнал для сервісного центру. Збільшує споживання пам&apos;яті, вмикайте лише на час діагностики.</source>
        <translation>Detailed log for the service center. Increases memory usage; enable only for diagnostics.</translation>
    </message>
    <message>
        <source>Діагностика</source>
        <translation>Diagnostics</translation>
    </message>
    <message>
        <source>Експорт журналу</source>
        <translation>Log export</translation>
    </message>
    <message>
        <source>Журнал налагодження</source>
        <translation>Debug log</translation>
    </message>
    <message>
        <source>Журнал подій у FRAM</source>
        <translation>Event log in FRAM</translation>
    </message>
    <message>
        <source>Заводський серійний номер основного блоку.</source>
        <translation>Factory serial number of the main unit.</translation>
    </message>
    <message>
        <source>Загальний час роботи пристрою з моменту виготовлення.</source>
        <translation>Total operating time of the device since manufacture.</translation>
    </message>
    <message>
        <source>Запалювання</source>
        <translation>Ignition</translation>
    </message>
    <message>
        <source>Запис 4 починає експорт журналу подій у файл на пристрої; 0 — експорт завершено, 8 — помилка експорту.</source>
        <translation>Writing 4 starts exporting the event log to a file on the device; 0 — export complete, 8 — export error.</translation>
    </message>
    <message>
        <source>Зареєстровано</source>
        <translation>Registered</translation>
    </message>
    <message>
        <source>Зберігати журнал подій у енергонезалежній пам&apos;яті FRAM, щоб він переживав вимкнення живлення.</source>
        <translation>Store the event log in non-volatile FRAM so that it survives power loss.</translation>
    </message>
    <message>
        <source>Зв&apos;язок</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>Зникнення мітки</source>
        <translation>Tag lost</translation>
    </message>
    <message>
        <source>Знято з охорони</source>
        <translation>Disarmed</translation>
    </message>
    <message>
        <source>Капот</source>
        <translation>Hood</translation>
    </message>
    <message>
        <source>Кількість перезапусків</source>
        <translation>Restart count</translation>
    </message>
    <message>
        <source>Кількість супутників, що беруть участь у визначенні координат.</source>
        <translation>Number of satellites used to determine the position.</translation>
    </message>
    <message>
        <source>Модель основного блоку, як її повідомляє прошивка.</source>
        <translation>Main unit model as reported by the firmware.</translation>
    </message>
    <message>
        <source>Модель пристрою</source>
        <translation>Device model</translation>
    </message>
    <message>
        <source>Налаштування</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Напрацювання, год</source>
        <translation>Operating time, h</translation>
    </message>
    <message>
        <source>Напруга бортової мережі, В</source>
        <translation>Vehicle voltage, V</translation>
    </message>
    <message>
        <source>Напруга вбудованого акумулятора, що живить пристрій при знятій клемі.</source>
        <translation>Voltage of the built-in battery that powers the device when the vehicle battery terminal is disconnected.</translation>
    </message>
    <message>
        <source>Напруга живлення на вході основного блоку.</source>
        <translation>Supply voltage at the main unit input.</translation>
    </message>
    <message>
        <source>Напруга резервного акумулятора, В</source>
        <translation>Backup battery voltage, V</translation>
    </message>
    <message>
        <source>Немає</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Немає SIM-картки</source>
        <translation>No SIM card</translation>
    </message>
    <message>
        <source>Низька напруга</source>
        <translation>Low voltage</translation>
    </message>
    <message>
        <source>Номер ревізії друкованої плати основного блоку.</source>
        <translation>Revision number of the main unit&apos;s circuit board.</translation>
    </message>
    <message>
        <source>Паніка</source>
        <translation>Panic</translation>
    </message>
    <message>
        <source>Помилка модуля</source>
        <translation>Module error</translation>
    </message>
    <message>
        <source>Попередження (удар)</source>
        <translation>Warning (shock)</translation>
    </message>
    <message>
        <source>Поточний режим охоронного комплексу. Змінюється командами з вкладки «Статус», брелоком, міткою або телефоном.</source>
        <translation>Current mode of the security system. Changed by commands from the “Status” tab, a key fob, a tag or a phone.</translation>
    </message>
    <message>
        <source>Пошук мережі</source>
        <translation>Searching for network</translation>
    </message>
    <message>
        <source>Пошук супутників</source>
        <translation>Searching for satellites</translation>
    </message>
    <message>
        <source>Пристрій</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Причина останньої тривоги</source>
        <translation>Last alarm cause</translation>
    </message>
    <message>
        <source>Під охороною</source>
        <translation>Armed</translation>
    </message>
    <message>
        <source>Реєстрація пристроїв</source>
        <translation>Device pairing</translation>
    </message>
    <message>
        <source>Роумінг</source>
        <translation>Roaming</translation>
    </message>
    <message>
        <source>Рівень сигналу GSM</source>
        <translation>GSM signal level</translation>
    </message>
    <message>
        <source>Рівень сигналу мережі від 0 (немає) до 31 (найкращий).</source>
        <translation>Network signal level from 0 (none) to 31 (best).</translation>
    </message>
    <message>
        <source>Сервісна команда</source>
        <translation>Service command</translation>
    </message>
    <message>
        <source>Сервісний режим</source>
        <translation>Service mode</translation>
    </message>
    <message>
        <source>Серійний номер</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Скільки разів пристрій перезапускався (живлення, оновлення, сторожовий таймер).</source>
        <translation>How many times the device has restarted (power, update, watchdog timer).</translation>
    </message>
    <message>
        <source>Стан GPS-приймача</source>
        <translation>GPS receiver state</translation>
    </message>
    <message>
        <source>Стан GSM-модуля</source>
        <translation>GSM module state</translation>
    </message>
    <message>
        <source>Стан приймача супутникової навігації.</source>
        <translation>State of the satellite navigation receiver.</translation>
    </message>
    <message>
        <source>Стан пристрою</source>
        <translation>Device state</translation>
    </message>
    <message>
        <source>Стан реєстрації GSM-модуля в мережі оператора.</source>
        <translation>Registration state of the GSM module on the carrier network.</translation>
    </message>
    <message>
        <source>Статус останньої команди</source>
        <translation>Last command status</translation>
    </message>
    <message>
        <source>Супутників GPS у розрахунку</source>
        <translation>GPS satellites in use</translation>
    </message>
    <message>
        <source>Текст службової команди для пристрою. Зазвичай заповнюється кнопками вкладки «Статус».</source>
        <translation>Text of a service command for the device. Usually filled in by the buttons on the “Status” tab.</translation>
    </message>
    <message>
        <source>Температура в салоні, °C</source>
        <translation>Cabin temperature, °C</translation>
    </message>
    <message>
        <source>Температура, виміряна датчиком основного блоку.</source>
        <translation>Temperature measured by the main unit&apos;s sensor.</translation>
    </message>
    <message>
        <source>Тривога: клаксон</source>
        <translation>Alarm: horn</translation>
    </message>
    <message>
        <source>Тривога: сирена</source>
        <translation>Alarm: siren</translation>
    </message>
    <message>
        <source>Що спричинило останню тривогу.</source>
        <translation>What triggered the last alarm.</translation>
    </message>
    <message>
        <source>Загальні налаштування</source>
        <translation>General settings</translation>
    </message>
    <message>
        <source>Охорона</source>
        <translation>Arming</translation>
    </message>
    <message>
        <source>Автоматична постановка під охорону</source>
        <translation>Automatic arming</translation>
    </message>
    <message>
        <source>Ставити під охорону, коли після вимкнення запалювання всі двері зачинено і мине затримка.</source>
        <translation>Arm when, after the ignition is turned off, all doors are closed and the delay has elapsed.</translation>
    </message>
    <message>
        <source>Затримка автопостановки, с</source>
        <translation>Auto-arming delay, s</translation>
    </message>
    <message>
        <source>Час від зачинення останніх дверей до автоматичної постановки.</source>
        <translation>Time from closing the last door to automatic arming.</translation>
    </message>
    <message>
        <source>Повторна постановка, якщо двері не відчинили</source>
        <translation>Re-arm if no door is opened</translation>
    </message>
    <message>
        <source>Знову ставити під охорону, якщо після зняття брелоком жодні двері не відчинили протягом 30 с.</source>
        <translation>Arm again if no door is opened within 30 s after disarming with the key fob.</translation>
    </message>
    <message>
        <source>Тривалість тривоги, с</source>
        <translation>Alarm duration, s</translation>
    </message>
    <message>
        <source>Скільки звучить сирена за одне спрацювання.</source>
        <translation>How long the siren sounds per trigger.</translation>
    </message>
    <message>
        <source>Тиха охорона</source>
        <translation>Silent arming</translation>
    </message>
    <message>
        <source>Не вмикати сирену при постановці та знятті, лише поворотники.</source>
        <translation>Do not sound the siren when arming and disarming; use the turn signals only.</translation>
    </message>
    <message>
        <source>Спосіб постановки</source>
        <translation>Arming method</translation>
    </message>
    <message>
        <source>Чим пристрій ставиться під охорону і знімається з неї.</source>
        <translation>What is used to arm and disarm the device.</translation>
    </message>
    <message>
        <source>Брелок або телефон</source>
        <translation>Key fob or phone</translation>
    </message>
    <message>
        <source>Мітка Bluetooth (hands free)</source>
        <translation>Bluetooth tag (hands-free)</translation>
    </message>
    <message>
        <source>Мітка та кнопка на ручці</source>
        <translation>Tag and door handle button</translation>
    </message>
    <message>
        <source>Сигнали</source>
        <translation>Signals</translation>
    </message>
    <message>
        <source>Звукове підтвердження</source>
        <translation>Audible confirmation</translation>
    </message>
    <message>
        <source>Чим підтверджувати постановку та зняття з охорони.</source>
        <translation>How to confirm arming and disarming.</translation>
    </message>
    <message>
        <source>Сирена</source>
        <translation>Siren</translation>
    </message>
    <message>
        <source>Клаксон</source>
        <translation>Horn</translation>
    </message>
    <message>
        <source>Лише поворотники</source>
        <translation>Turn signals only</translation>
    </message>
    <message>
        <source>Гучність сирени, %</source>
        <translation>Siren volume, %</translation>
    </message>
    <message>
        <source>Гучність сирени для підтверджень (на тривогу не впливає).</source>
        <translation>Siren volume for confirmations (does not affect the alarm).</translation>
    </message>
    <message>
        <source>Спалахи поворотників при постановці</source>
        <translation>Turn signal flashes when arming</translation>
    </message>
    <message>
        <source>Скільки разів блимають поворотники при постановці під охорону.</source>
        <translation>How many times the turn signals flash when arming.</translation>
    </message>
    <message>
        <source>Тривалість сигналу клаксона, мс</source>
        <translation>Horn chirp duration, ms</translation>
    </message>
    <message>
        <source>Тривалість одного короткого сигналу клаксона.</source>
        <translation>Duration of one short horn chirp.</translation>
    </message>
    <message>
        <source>Підсвітка салону при тривозі</source>
        <translation>Dome light on alarm</translation>
    </message>
    <message>
        <source>Вмикати підсвітку салону під час тривоги.</source>
        <translation>Turn on the dome light during an alarm.</translation>
    </message>
    <message>
        <source>Нагадування про відчинені двері</source>
        <translation>Open door reminder</translation>
    </message>
    <message>
        <source>Подавати сигнал, якщо при постановці залишились відчинені двері, капот або багажник.</source>
        <translation>Sound a signal if a door, the hood or the trunk is left open when arming.</translation>
    </message>
    <message>
        <source>Замки</source>
        <translation>Locks</translation>
    </message>
    <message>
        <source>Закривати замки при постановці</source>
        <translation>Lock doors when arming</translation>
    </message>
    <message>
        <source>Закривати центральний замок при постановці під охорону.</source>
        <translation>Lock the central locking when arming.</translation>
    </message>
    <message>
        <source>Відкривати замки при знятті</source>
        <translation>Unlock doors when disarming</translation>
    </message>
    <message>
        <source>Відкривати центральний замок при знятті з охорони.</source>
        <translation>Unlock the central locking when disarming.</translation>
    </message>
    <message>
        <source>Керування замками</source>
        <translation>Lock control</translation>
    </message>
    <message>
        <source>Форма імпульсів на виходах замків.</source>
        <translation>Pulse pattern on the lock outputs.</translation>
    </message>
    <message>
        <source>Один імпульс</source>
        <translation>Single pulse</translation>
    </message>
    <message>
        <source>Подвійний імпульс відкриття</source>
        <translation>Double unlock pulse</translation>
    </message>
    <message>
        <source>Тривалий імпульс (комфорт)</source>
        <translation>Long pulse (comfort)</translation>
    </message>
    <message>
        <source>Тривалість імпульсу замків, мс</source>
        <translation>Lock pulse duration, ms</translation>
    </message>
    <message>
        <source>Тривалість імпульсу на виходах закриття та відкриття замків.</source>
        <translation>Pulse duration on the lock and unlock outputs.</translation>
    </message>
    <message>
        <source>Закривати замки при початку руху</source>
        <translation>Lock doors when driving off</translation>
    </message>
    <message>
        <source>Закривати замки, коли швидкість перевищить 10 км/год.</source>
        <translation>Lock the doors when the speed exceeds 10 km/h.</translation>
    </message>
    <message>
        <source>Закривання вікон (комфорт), с</source>
        <translation>Window closing (comfort), s</translation>
    </message>
    <message>
        <source>Тривалість сигналу закривання вікон після постановки; 0 — не закривати.</source>
        <translation>Duration of the window closing signal after arming; 0 — do not close.</translation>
    </message>
    <message>
        <source>Лінії</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>Напруга, виміряна на проводі живлення основного блоку.</source>
        <translation>Voltage measured on the main unit&apos;s power wire.</translation>
    </message>
    <message>
        <source>Напруга на лінії запалювання, В</source>
        <translation>Ignition line voltage, V</translation>
    </message>
    <message>
        <source>Напруга на дротовому вході запалювання.</source>
        <translation>Voltage on the wired ignition input.</translation>
    </message>
    <message>
        <source>Напруга на лінії габаритів, В</source>
        <translation>Parking light line voltage, V</translation>
    </message>
    <message>
        <source>Напруга на виході габаритних вогнів.</source>
        <translation>Voltage on the parking light output.</translation>
    </message>
    <message>
        <source>Поріг низької напруги, В</source>
        <translation>Low voltage threshold, V</translation>
    </message>
    <message>
        <source>Нижче цієї напруги пристрій надсилає попередження про розряд акумулятора.</source>
        <translation>Below this voltage the device sends a low battery warning.</translation>
    </message>
    <message>
        <source>Поріг напруги працюючого двигуна, В</source>
        <translation>Engine running voltage threshold, V</translation>
    </message>
    <message>
        <source>Вища напруга вважається ознакою роботи двигуна, якщо тахометр не підключено.</source>
        <translation>A higher voltage is taken as a sign that the engine is running if no tachometer is connected.</translation>
    </message>
    <message>
        <source>Поправка вимірювання напруги, В</source>
        <translation>Voltage measurement offset, V</translation>
    </message>
    <message>
        <source>Додається до виміряної напруги для узгодження з вольтметром.</source>
        <translation>Added to the measured voltage to match a voltmeter.</translation>
    </message>
    <message>
        <source>Перехідник входу 1</source>
        <translation>Input bridge 1</translation>
    </message>
    <message>
        <source>Логічний вхід ліворуч отримує сигнал через перехідник від входу праворуч; з інверсією сигнал перевертається.</source>
        <translation>The logical input on the left receives its signal through the bridge from the input on the right; with inversion, the signal is inverted.</translation>
    </message>
    <message>
        <source>Перехідник входу 2</source>
        <translation>Input bridge 2</translation>
    </message>
    <message>
        <source>Другий перехідник між логічним та фізичним входом.</source>
        <translation>Second bridge between a logical and a physical input.</translation>
    </message>
    <message>
        <source>Перехідник виходу</source>
        <translation>Output bridge</translation>
    </message>
    <message>
        <source>Фізичний вихід ліворуч повторює логічний вихід праворуч через перехідник.</source>
        <translation>The physical output on the left follows the logical output on the right through the bridge.</translation>
    </message>
    <message>
        <source>Входи основного блоку</source>
        <translation>Main unit inputs</translation>
    </message>
    <message>
        <source>Вхід 1
(синій провід)</source>
        <translation>Input 1
(blue wire)</translation>
    </message>
    <message>
        <source>Стан дротового входу 1 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation>State of wired input 1 of the main unit. Select the function of this input on the right; “Inversion” changes the active level.</translation>
    </message>
    <message>
        <source>Вхід 2
(синьо-білий провід)</source>
        <translation>Input 2
(blue/white wire)</translation>
    </message>
    <message>
        <source>Стан дротового входу 2 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation>State of wired input 2 of the main unit. Select the function of this input on the right; “Inversion” changes the active level.</translation>
    </message>
    <message>
        <source>Вхід 3
(зелений провід)</source>
        <translation>Input 3
(green wire)</translation>
    </message>
    <message>
        <source>Стан дротового входу 3 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation>State of wired input 3 of the main unit. Select the function of this input on the right; “Inversion” changes the active level.</translation>
    </message>
    <message>
        <source>Вхід 4
(зелено-чорний провід)</source>
        <translation>Input 4
(green/black wire)</translation>
    </message>
    <message>
        <source>Стан дротового входу 4 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation>State of wired input 4 of the main unit. Select the function of this input on the right; “Inversion” changes the active level.</translation>
    </message>
    <message>
        <source>Вхід 5
(сірий провід)</source>
        <translation>Input 5
(gray wire)</translation>
    </message>
    <message>
        <source>Стан дротового входу 5 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation>State of wired input 5 of the main unit. Select the function of this input on the right; “Inversion” changes the active level.</translation>
    </message>
    <message>
        <source>Вхід 6
(сіро-червоний провід)</source>
        <translation>Input 6
(gray/red wire)</translation>
    </message>
    <message>
        <source>Стан дротового входу 6 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation>State of wired input 6 of the main unit. Select the function of this input on the right; “Inversion” changes the active level.</translation>
    </message>
    <message>
        <source>Вхід 7
(жовтий провід)</source>
        <translation>Input 7
(yellow wire)</translation>
    </message>
    <message>
        <source>Стан дротового входу 7 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation>State of wired input 7 of the main unit. Select the function of this input on the right; “Inversion” changes the active level.</translation>
    </message>
    <message>
        <source>Вхід 8
(жовто-чорний провід)</source>
        <translation>Input 8
(yellow/black wire)</translation>
    </message>
    <message>
        <source>Стан дротового входу 8 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation>State of wired input 8 of the main unit. Select the function of this input on the right; “Inversion” changes the active level.</translation>
    </message>
    <message>
        <source>Вхід 9
(фіолетовий провід)</source>
        <translation>Input 9
(violet wire)</translation>
    </message>
    <message>
        <source>Стан дротового входу 9 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation>State of wired input 9 of the main unit. Select the function of this input on the right; “Inversion” changes the active level.</translation>
    </message>
    <message>
        <source>Вхід 10
(оранжевий провід)</source>
        <translation>Input 10
(orange wire)</translation>
    </message>
    <message>
        <source>Стан дротового входу 10 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation>State of wired input 10 of the main unit. Select the function of this input on the right; “Inversion” changes the active level.</translation>
    </message>
    <message>
        <source>Виходи основного блоку</source>
        <translation>Main unit outputs</translation>
    </message>
    <message>
        <source>Вихід 1 (−, 300 мА)</source>
        <translation>Output 1 (−, 300 mA)</translation>
    </message>
    <message>
        <source>Стан мінусового виходу 1 основного блоку. Праворуч оберіть функцію, яку він виконує.</source>
        <translation>State of negative output 1 of the main unit. Select its function on the right.</translation>
    </message>
    <message>
        <source>Вихід 2 (−, 300 мА)</source>
        <translation>Output 2 (−, 300 mA)</translation>
    </message>
    <message>
        <source>Стан мінусового виходу 2 основного блоку. Праворуч оберіть функцію, яку він виконує.</source>
        <translation>State of negative output 2 of the main unit. Select its function on the right.</translation>
    </message>
    <message>
        <source>Вихід 3 (−, 300 мА)</source>
        <translation>Output 3 (−, 300 mA)</translation>
    </message>
    <message>
        <source>Стан мінусового виходу 3 основного блоку. Праворуч оберіть функцію, яку він виконує.</source>
        <translation>State of negative output 3 of the main unit. Select its function on the right.</translation>
    </message>
    <message>
        <source>Вихід 4 (−, 300 мА)</source>
        <translation>Output 4 (−, 300 mA)</translation>
    </message>
    <message>
        <source>Стан мінусового виходу 4 основного блоку. Праворуч оберіть функцію, яку він виконує.</source>
        <translation>State of negative output 4 of the main unit. Select its function on the right.</translation>
    </message>
    <message>
        <source>Вихід 5 (−, 300 мА)</source>
        <translation>Output 5 (−, 300 mA)</translation>
    </message>
    <message>
        <source>Стан мінусового виходу 5 основного блоку. Праворуч оберіть функцію, яку він виконує.</source>
        <translation>State of negative output 5 of the main unit. Select its function on the right.</translation>
    </message>
    <message>
        <source>Вихід 6 (−, 300 мА)</source>
        <translation>Output 6 (−, 300 mA)</translation>
    </message>
    <message>
        <source>Стан мінусового виходу 6 основного блоку. Праворуч оберіть функцію, яку він виконує.</source>
        <translation>State of negative output 6 of the main unit. Select its function on the right.</translation>
    </message>
    <message>
        <source>Вихід 7 (+, 2 А)</source>
        <translation>Output 7 (+, 2 A)</translation>
    </message>
    <message>
        <source>Стан плюсового виходу 7 основного блоку. Праворуч оберіть функцію, яку він виконує.</source>
        <translation>State of positive output 7 of the main unit. Select its function on the right.</translation>
    </message>
    <message>
        <source>Вихід 8 (+, 2 А)</source>
        <translation>Output 8 (+, 2 A)</translation>
    </message>
    <message>
        <source>Стан плюсового виходу 8 основного блоку. Праворуч оберіть функцію, яку він виконує.</source>
        <translation>State of positive output 8 of the main unit. Select its function on the right.</translation>
    </message>
    <message>
        <source>Реле блокування (НЗ)</source>
        <translation>Immobilization relay (NC)</translation>
    </message>
    <message>
        <source>Нормально замкнене реле основного блоку, 10 А. Розриває коло при блокуванні двигуна.</source>
        <translation>Normally closed relay of the main unit, 10 A. Opens the circuit when the engine is immobilized.</translation>
    </message>
    <message>
        <source>Реле блокування (НР)</source>
        <translation>Immobilization relay (NO)</translation>
    </message>
    <message>
        <source>Нормально розімкнене реле основного блоку, 10 А.</source>
        <translation>Normally open relay of the main unit, 10 A.</translation>
    </message>
    <message>
        <source>Датчики </source>
        <translation>Sensors </translation>
    </message>
    <message>
        <source>Вмикає вбудований акселерометр як датчик удару.</source>
        <translation>Enables the built-in accelerometer as a shock sensor.</translation>
    </message>
    <message>
        <source>Чутливість попереджувальної зони</source>
        <translation>Warning zone sensitivity</translation>
    </message>
    <message>
        <source>Чутливість до слабких ударів, що дають короткий попереджувальний сигнал. Більше — чутливіше.</source>
        <translation>Sensitivity to light impacts that give a short warning signal. Higher is more sensitive.</translation>
    </message>
    <message>
        <source>Чутливість тривожної зони</source>
        <translation>Alarm zone sensitivity</translation>
    </message>
    <message>
        <source>Чутливість до сильних ударів, що вмикають тривогу.</source>
        <translation>Sensitivity to strong impacts that trigger the alarm.</translation>
    </message>
    <message>
        <source>Тривога при піднятті автомобіля домкратом або евакуаторі.</source>
        <translation>Alarm when the vehicle is lifted with a jack or loaded onto a tow truck.</translation>
    </message>
    <message>
        <source>Поріг нахилу, десяті частки градуса</source>
        <translation>Tilt threshold, tenths of a degree</translation>
    </message>
    <message>
        <source>Зміна нахилу кузова, що вважається евакуацією.</source>
        <translation>Change in body tilt that is treated as towing.</translation>
    </message>
    <message>
        <source>Датчик руху в салоні</source>
        <translation>Cabin motion sensor</translation>
    </message>
    <message>
        <source>Мікрохвильовий датчик об&apos;єму салону.</source>
        <translation>Microwave cabin volume sensor.</translation>
    </message>
    <message>
        <source>Чутливість датчика руху</source>
        <translation>Motion sensor sensitivity</translation>
    </message>
    <message>
        <source>Зменште, якщо датчик спрацьовує від вітру чи дощу.</source>
        <translation>Reduce if the sensor is triggered by wind or rain.</translation>
    </message>
    <message>
        <source>Вимикати датчики при автозапуску</source>
        <translation>Bypass sensors during remote start</translation>
    </message>
    <message>
        <source>Не реагувати на датчики удару та руху, поки двигун працює після дистанційного запуску.</source>
        <translation>Ignore the shock and motion sensors while the engine is running after a remote start.</translation>
    </message>
    <message>
        <source>Пропуск хибних спрацювань</source>
        <translation>Ignore false triggers</translation>
    </message>
    <message>
        <source>Скільки спрацювань поспіль пропустити, перш ніж вмикати тривогу; 0 — тривога з першого.</source>
        <translation>How many consecutive triggers to ignore before sounding the alarm; 0 — alarm on the first one.</translation>
    </message>
    <message>
        <source>Підкапотний модуль</source>
        <translation>Under-hood module</translation>
    </message>
    <message>
        <source>Стан модуля</source>
        <translation>Module status</translation>
    </message>
    <message>
        <source>Модуль підключено</source>
        <translation>Module connected</translation>
    </message>
    <message>
        <source>Основний блок бачить підкапотний модуль на шині.</source>
        <translation>The main unit detects the under-hood module on the bus.</translation>
    </message>
    <message>
        <source>Серійний номер модуля</source>
        <translation>Module serial number</translation>
    </message>
    <message>
        <source>Серійний номер підкапотного модуля.</source>
        <translation>Serial number of the under-hood module.</translation>
    </message>
    <message>
        <source>Версія прошивки модуля</source>
        <translation>Module firmware version</translation>
    </message>
    <message>
        <source>Версія прошивки підкапотного модуля.</source>
        <translation>Firmware version of the under-hood module.</translation>
    </message>
    <message>
        <source>Напруга живлення модуля, В</source>
        <translation>Module supply voltage, V</translation>
    </message>
    <message>
        <source>Напруга на вході живлення модуля.</source>
        <translation>Voltage at the module&apos;s power input.</translation>
    </message>
    <message>
        <source>Температура модуля, °C</source>
        <translation>Module temperature, °C</translation>
    </message>
    <message>
        <source>Температура всередині модуля.</source>
        <translation>Temperature inside the module.</translation>
    </message>
    <message>
        <source>Помилок зв&apos;язку</source>
        <translation>Communication errors</translation>
    </message>
    <message>
        <source>Кількість втрачених пакетів між основним блоком і модулем.</source>
        <translation>Number of packets lost between the main unit and the module.</translation>
    </message>
    <message>
        <source>Зв&apos;язок з основним блоком</source>
        <translation>Link to main unit</translation>
    </message>
    <message>
        <source>Спосіб з&apos;єднання модуля з основним блоком.</source>
        <translation>How the module is connected to the main unit.</translation>
    </message>
    <message>
        <source>LIN-шина</source>
        <translation>LIN bus</translation>
    </message>
    <message>
        <source>Дротова шина</source>
        <translation>Wired bus</translation>
    </message>
    <message>
        <source>Радіоканал 868 МГц</source>
        <translation>868 MHz radio link</translation>
    </message>
    <message>
        <source>Адреса модуля на шині</source>
        <translation>Module bus address</translation>
    </message>
    <message>
        <source>Адреса модуля, якщо на шині кілька модулів.</source>
        <translation>Module address when there are several modules on the bus.</translation>
    </message>
    <message>
        <source>Поправка температури, °C</source>
        <translation>Temperature offset, °C</translation>
    </message>
    <message>
        <source>Додається до виміряної температури модуля.</source>
        <translation>Added to the measured module temperature.</translation>
    </message>
    <message>
        <source>Поправка напруги, мВ</source>
        <translation>Voltage offset, mV</translation>
    </message>
    <message>
        <source>Додається до виміряної напруги модуля.</source>
        <translation>Added to the measured module voltage.</translation>
    </message>
    <message>
        <source>Назва модуля</source>
        <translation>Module name</translation>
    </message>
    <message>
        <source>Назва модуля в журналі подій.</source>
        <translation>Module name in the event log.</translation>
    </message>
    <message>
        <source>Зареєструвати новий модуль</source>
        <translation>Pair new module</translation>
    </message>
    <message>
        <source>Після увімкнення пристрій чекає на новий модуль 60 с.</source>
        <translation>Once enabled, the device waits 60 s for a new module.</translation>
    </message>
    <message>
        <source>Входи модуля</source>
        <translation>Module inputs</translation>
    </message>
    <message>
        <source>Вхід модуля 1: капот (кінцевик)</source>
        <translation>Module input 1: hood (pin switch)</translation>
    </message>
    <message>
        <source>Стан входу 1 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вхід.</source>
        <translation>State of input 1 of the under-hood module. Select the logical function of the input on the right.</translation>
    </message>
    <message>
        <source>Вхід 1: тип</source>
        <translation>Input 1: type</translation>
    </message>
    <message>
        <source>Мінусовий вхід активний при замиканні на масу, плюсовий — при подачі +12 В, аналоговий порівнює напругу з порогом.</source>
        <translation>A negative input is active when shorted to ground, a positive input when +12 V is applied; an analog input compares the voltage with the threshold.</translation>
    </message>
    <message>
        <source>Мінусовий</source>
        <translation>Negative</translation>
    </message>
    <message>
        <source>Плюсовий</source>
        <translation>Positive</translation>
    </message>
    <message>
        <source>Аналоговий</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>Вхід 1: поріг, В</source>
        <translation>Input 1: threshold, V</translation>
    </message>
    <message>
        <source>Поріг спрацювання аналогового входу.</source>
        <translation>Trigger threshold of the analog input.</translation>
    </message>
    <message>
        <source>Вхід 1: фільтр, мс</source>
        <translation>Input 1: filter, ms</translation>
    </message>
    <message>
        <source>Сигнал коротший за цей час не враховується.</source>
        <translation>Signals shorter than this time are ignored.</translation>
    </message>
    <message>
        <source>Вхід 1: затримка, мс</source>
        <translation>Input 1: delay, ms</translation>
    </message>
    <message>
        <source>Затримка реакції на зміну стану входу.</source>
        <translation>Delay before reacting to an input state change.</translation>
    </message>
    <message>
        <source>Вхід 1: назва</source>
        <translation>Input 1: name</translation>
    </message>
    <message>
        <source>Коротка назва входу для журналу подій.</source>
        <translation>Short input name for the event log.</translation>
    </message>
    <message>
        <source>Вхід модуля 2: тахометр</source>
        <translation>Module input 2: tachometer</translation>
    </message>
    <message>
        <source>Стан входу 2 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вхід.</source>
        <translation>State of input 2 of the under-hood module. Select the logical function of the input on the right.</translation>
    </message>
    <message>
        <source>Вхід 2: тип</source>
        <translation>Input 2: type</translation>
    </message>
    <message>
        <source>Вхід 2: поріг, В</source>
        <translation>Input 2: threshold, V</translation>
    </message>
    <message>
        <source>Вхід 2: фільтр, мс</source>
        <translation>Input 2: filter, ms</translation>
    </message>
    <message>
        <source>Вхід 2: затримка, мс</source>
        <translation>Input 2: delay, ms</translation>
    </message>
    <message>
        <source>Вхід 2: назва</source>
        <translation>Input 2: name</translation>
    </message>
    <message>
        <source>Вхід модуля 3: педаль гальма</source>
        <translation>Module input 3: brake pedal</translation>
    </message>
    <message>
        <source>Стан входу 3 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вхід.</source>
        <translation>State of input 3 of the under-hood module. Select the logical function of the input on the right.</translation>
    </message>
    <message>
        <source>Вхід 3: тип</source>
        <translation>Input 3: type</translation>
    </message>
    <message>
        <source>Вхід 3: поріг, В</source>
        <translation>Input 3: threshold, V</translation>
    </message>
    <message>
        <source>Вхід 3: фільтр, мс</source>
        <translation>Input 3: filter, ms</translation>
    </message>
    <message>
        <source>Вхід 3: затримка, мс</source>
        <translation>Input 3: delay, ms</translation>
    </message>
    <message>
        <source>Вхід 3: назва</source>
        <translation>Input 3: name</translation>
    </message>
    <message>
        <source>Вхід модуля 4: ручне гальмо</source>
        <translation>Module input 4: parking brake</translation>
    </message>
    <message>
        <source>Стан входу 4 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вхід.</source>
        <translation>State of input 4 of the under-hood module. Select the logical function of the input on the right.</translation>
    </message>
    <message>
        <source>Вхід 4: тип</source>
        <translation>Input 4: type</translation>
    </message>
    <message>
        <source>Вхід 4: поріг, В</source>
        <translation>Input 4: threshold, V</translation>
    </message>
    <message>
        <source>Вхід 4: фільтр, мс</source>
        <translation>Input 4: filter, ms</translation>
    </message>
    <message>
        <source>Вхід 4: затримка, мс</source>
        <translation>Input 4: delay, ms</translation>
    </message>
    <message>
        <source>Вхід 4: назва</source>
        <translation>Input 4: name</translation>
    </message>
    <message>
        <source>Вхід модуля 5: датчик оливи</source>
        <translation>Module input 5: oil sensor</translation>
    </message>
    <message>
        <source>Стан входу 5 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вхід.</source>
        <translation>State of input 5 of the under-hood module. Select the logical function of the input on the right.</translation>
    </message>
    <message>
        <source>Вхід 5: тип</source>
        <translation>Input 5: type</translation>
    </message>
    <message>
        <source>Вхід 5: поріг, В</source>
        <translation>Input 5: threshold, V</translation>
    </message>
    <message>
        <source>Вхід 5: фільтр, мс</source>
        <translation>Input 5: filter, ms</translation>
    </message>
    <message>
        <source>Вхід 5: затримка, мс</source>
        <translation>Input 5: delay, ms</translation>
    </message>
    <message>
        <source>Вхід 5: назва</source>
        <translation>Input 5: name</translation>
    </message>
    <message>
        <source>Вхід модуля 6: запалювання</source>
        <translation>Module input 6: ignition</translation>
    </message>
    <message>
        <source>Стан входу 6 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вхід.</source>
        <translation>State of input 6 of the under-hood module. Select the logical function of the input on the right.</translation>
    </message>
    <message>
        <source>Вхід 6: тип</source>
        <translation>Input 6: type</translation>
    </message>
    <message>
        <source>Вхід 6: поріг, В</source>
        <translation>Input 6: threshold, V</translation>
    </message>
    <message>
        <source>Вхід 6: фільтр, мс</source>
        <translation>Input 6: filter, ms</translation>
    </message>
    <message>
        <source>Вхід 6: затримка, мс</source>
        <translation>Input 6: delay, ms</translation>
    </message>
    <message>
        <source>Вхід 6: назва</source>
        <translation>Input 6: name</translation>
    </message>
    <message>
        <source>Вхід модуля 7: ACC</source>
        <translation>Module input 7: ACC</translation>
    </message>
    <message>
        <source>Стан входу 7 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вхід.</source>
        <translation>State of input 7 of the under-hood module. Select the logical function of the input on the right.</translation>
    </message>
    <message>
        <source>Вхід 7: тип</source>
        <translation>Input 7: type</translation>
    </message>
    <message>
        <source>Вхід 7: поріг, В</source>
        <translation>Input 7: threshold, V</translation>
    </message>
    <message>
        <source>Вхід 7: фільтр, мс</source>
        <translation>Input 7: filter, ms</translation>
    </message>
    <message>
        <source>Вхід 7: затримка, мс</source>
        <translation>Input 7: delay, ms</translation>
    </message>
    <message>
        <source>Вхід 7: назва</source>
        <translation>Input 7: name</translation>
    </message>
    <message>
        <source>Вхід модуля 8: резерв</source>
        <translation>Module input 8: spare</translation>
    </message>
    <message>
        <source>Стан входу 8 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вхід.</source>
        <translation>State of input 8 of the under-hood module. Select the logical function of the input on the right.</translation>
    </message>
    <message>
        <source>Вхід 8: тип</source>
        <translation>Input 8: type</translation>
    </message>
    <message>
        <source>Вхід 8: поріг, В</source>
        <translation>Input 8: threshold, V</translation>
    </message>
    <message>
        <source>Вхід 8: фільтр, мс</source>
        <translation>Input 8: filter, ms</translation>
    </message>
    <message>
        <source>Вхід 8: затримка, мс</source>
        <translation>Input 8: delay, ms</translation>
    </message>
    <message>
        <source>Вхід 8: назва</source>
        <translation>Input 8: name</translation>
    </message>
    <message>
        <source>Виходи модуля</source>
        <translation>Module outputs</translation>
    </message>
    <message>
        <source>Вихід модуля 1 (+): Запалювання 1</source>
        <translation>Module output 1 (+): Ignition 1</translation>
    </message>
    <message>
        <source>Стан виходу 1 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вихід.</source>
        <translation>State of output 1 of the under-hood module. Select the logical function of the output on the right.</translation>
    </message>
    <message>
        <source>Вихід 1: режим</source>
        <translation>Output 1: mode</translation>
    </message>
    <message>
        <source>Як вихід відтворює сигнал призначеної функції.</source>
        <translation>How the output reproduces the signal of the assigned function.</translation>
    </message>
    <message>
        <source>Постійний</source>
        <translation>Steady</translation>
    </message>
    <message>
        <source>Імпульс</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>Переривчастий</source>
        <translation>Intermittent</translation>
    </message>
    <message>
        <source>Постійний з інверсією</source>
        <translation>Steady, inverted</translation>
    </message>
    <message>
        <source>Вихід 1: тривалість імпульсу, мс</source>
        <translation>Output 1: pulse duration, ms</translation>
    </message>
    <message>
        <source>Тривалість імпульсу в імпульсному режимі.</source>
        <translation>Pulse duration in pulse mode.</translation>
    </message>
    <message>
        <source>Вихід 1: затримка увімкнення, мс</source>
        <translation>Output 1: turn-on delay, ms</translation>
    </message>
    <message>
        <source>Затримка між командою та увімкненням виходу.</source>
        <translation>Delay between the command and the output turning on.</translation>
    </message>
    <message>
        <source>Вихід 1: період переривання, мс</source>
        <translation>Output 1: intermittent period, ms</translation>
    </message>
    <message>
        <source>Період у переривчастому режимі.</source>
        <translation>Period in intermittent mode.</translation>
    </message>
    <message>
        <source>Вихід 1: струм захисту, А</source>
        <translation>Output 1: trip current, A</translation>
    </message>
    <message>
        <source>Вихід вимикається при перевищенні цього струму.</source>
        <translation>The output turns off when this current is exceeded.</translation>
    </message>
    <message>
        <source>Вихід 1: назва</source>
        <translation>Output 1: name</translation>
    </message>
    <message>
        <source>Коротка назва виходу для журналу подій.</source>
        <translation>Short output name for the event log.</translation>
    </message>
    <message>
        <source>Вихід модуля 2 (+): Запалювання 2</source>
        <translation>Module output 2 (+): Ignition 2</translation>
    </message>
    <message>
        <source>Стан виходу 2 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вихід.</source>
        <translation>State of output 2 of the under-hood module. Select the logical function of the output on the right.</translation>
    </message>
    <message>
        <source>Вихід 2: режим</source>
        <translation>Output 2: mode</translation>
    </message>
    <message>
        <source>Вихід 2: тривалість імпульсу, мс</source>
        <translation>Output 2: pulse duration, ms</translation>
    </message>
    <message>
        <source>Вихід 2: затримка увімкнення, мс</source>
        <translation>Output 2: turn-on delay, ms</translation>
    </message>
    <message>
        <source>Вихід 2: період переривання, мс</source>
        <translation>Output 2: intermittent period, ms</translation>
    </message>
    <message>
        <source>Вихід 2: струм захисту, А</source>
        <translation>Output 2: trip current, A</translation>
    </message>
    <message>
        <source>Вихід 2: назва</source>
        <translation>Output 2: name</translation>
    </message>
    <message>
        <source>Вихід модуля 3 (+): Стартер</source>
        <translation>Module output 3 (+): Starter</translation>
    </message>
    <message>
        <source>Стан виходу 3 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вихід.</source>
        <translation>State of output 3 of the under-hood module. Select the logical function of the output on the right.</translation>
    </message>
    <message>
        <source>Вихід 3: режим</source>
        <translation>Output 3: mode</translation>
    </message>
    <message>
        <source>Вихід 3: тривалість імпульсу, мс</source>
        <translation>Output 3: pulse duration, ms</translation>
    </message>
    <message>
        <source>Вихід 3: затримка увімкнення, мс</source>
        <translation>Output 3: turn-on delay, ms</translation>
    </message>
    <message>
        <source>Вихід 3: період переривання, мс</source>
        <translation>Output 3: intermittent period, ms</translation>
    </message>
    <message>
        <source>Вихід 3: струм захисту, А</source>
        <translation>Output 3: trip current, A</translation>
    </message>
    <message>
        <source>Вихід 3: назва</source>
        <translation>Output 3: name</translation>
    </message>
    <message>
        <source>Вихід модуля 4 (+): Аксесуари</source>
        <translation>Module output 4 (+): Accessories</translation>
    </message>
    <message>
        <source>Стан виходу 4 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вихід.</source>
        <translation>State of output 4 of the under-hood module. Select the logical function of the output on the right.</translation>
    </message>
    <message>
        <source>Вихід 4: режим</source>
        <translation>Output 4: mode</translation>
    </message>
    <message>
        <source>Вихід 4: тривалість імпульсу, мс</source>
        <translation>Output 4: pulse duration, ms</translation>
    </message>
    <message>
        <source>Вихід 4: затримка увімкнення, мс</source>
        <translation>Output 4: turn-on delay, ms</translation>
    </message>
    <message>
        <source>Вихід 4: період переривання, мс</source>
        <translation>Output 4: intermittent period, ms</translation>
    </message>
    <message>
        <source>Вихід 4: струм захисту, А</source>
        <translation>Output 4: trip current, A</translation>
    </message>
    <message>
        <source>Вихід 4: назва</source>
        <translation>Output 4: name</translation>
    </message>
    <message>
        <source>Вихід модуля 5 (−): Склопідйомники</source>
        <translation>Module output 5 (−): Power windows</translation>
    </message>
    <message>
        <source>Стан виходу 5 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вихід.</source>
        <translation>State of output 5 of the under-hood module. Select the logical function of the output on the right.</translation>
    </message>
    <message>
        <source>Вихід 5: режим</source>
        <translation>Output 5: mode</translation>
    </message>
    <message>
        <source>Вихід 5: тривалість імпульсу, мс</source>
        <translation>Output 5: pulse duration, ms</translation>
    </message>
    <message>
        <source>Вихід 5: затримка увімкнення, мс</source>
        <translation>Output 5: turn-on delay, ms</translation>
    </message>
    <message>
        <source>Вихід 5: період переривання, мс</source>
        <translation>Output 5: intermittent period, ms</translation>
    </message>
    <message>
        <source>Вихід 5: струм захисту, А</source>
        <translation>Output 5: trip current, A</translation>
    </message>
    <message>
        <source>Вихід 5: назва</source>
        <translation>Output 5: name</translation>
    </message>
    <message>
        <source>Вихід модуля 6 (−): Мінус 6</source>
        <translation>Module output 6 (−): Negative 6</translation>
    </message>
    <message>
        <source>Стан виходу 6 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вихід.</source>
        <translation>State of output 6 of the under-hood module. Select the logical function of the output on the right.</translation>
    </message>
    <message>
        <source>Вихід 6: режим</source>
        <translation>Output 6: mode</translation>
    </message>
    <message>
        <source>Вихід 6: тривалість імпульсу, мс</source>
        <translation>Output 6: pulse duration, ms</translation>
    </message>
    <message>
        <source>Вихід 6: затримка увімкнення, мс</source>
        <translation>Output 6: turn-on delay, ms</translation>
    </message>
    <message>
        <source>Вихід 6: період переривання, мс</source>
        <translation>Output 6: intermittent period, ms</translation>
    </message>
    <message>
        <source>Вихід 6: струм захисту, А</source>
        <translation>Output 6: trip current, A</translation>
    </message>
    <message>
        <source>Вихід 6: назва</source>
        <translation>Output 6: name</translation>
    </message>
    <message>
        <source>Вихід модуля 7 (+): Габарити</source>
        <translation>Module output 7 (+): Parking lights</translation>
    </message>
    <message>
        <source>Стан виходу 7 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вихід.</source>
        <translation>State of output 7 of the under-hood module. Select the logical function of the output on the right.</translation>
    </message>
    <message>
        <source>Вихід 7: режим</source>
        <translation>Output 7: mode</translation>
    </message>
    <message>
        <source>Вихід 7: тривалість імпульсу, мс</source>
        <translation>Output 7: pulse duration, ms</translation>
    </message>
    <message>
        <source>Вихід 7: затримка увімкнення, мс</source>
        <translation>Output 7: turn-on delay, ms</translation>
    </message>
    <message>
        <source>Вихід 7: період переривання, мс</source>
        <translation>Output 7: intermittent period, ms</translation>
    </message>
    <message>
        <source>Вихід 7: струм захисту, А</source>
        <translation>Output 7: trip current, A</translation>
    </message>
    <message>
        <source>Вихід 7: назва</source>
        <translation>Output 7: name</translation>
    </message>
    <message>
        <source>Вихід модуля 8 (+): Плюс 8</source>
        <translation>Module output 8 (+): Positive 8</translation>
    </message>
    <message>
        <source>Стан виходу 8 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вихід.</source>
        <translation>State of output 8 of the under-hood module. Select the logical function of the output on the right.</translation>
    </message>
    <message>
        <source>Вихід 8: режим</source>
        <translation>Output 8: mode</translation>
    </message>
    <message>
        <source>Вихід 8: тривалість імпульсу, мс</source>
        <translation>Output 8: pulse duration, ms</translation>
    </message>
    <message>
        <source>Вихід 8: затримка увімкнення, мс</source>
        <translation>Output 8: turn-on delay, ms</translation>
    </message>
    <message>
        <source>Вихід 8: період переривання, мс</source>
        <translation>Output 8: intermittent period, ms</translation>
    </message>
    <message>
        <source>Вихід 8: струм захисту, А</source>
        <translation>Output 8: trip current, A</translation>
    </message>
    <message>
        <source>Вихід 8: назва</source>
        <translation>Output 8: name</translation>
    </message>
    <message>
        <source>Функції входів і виходів</source>
        <translation>Input and output functions</translation>
    </message>
    <message>
        <source>Логічний вхід «Двері». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation>Logical input “Doors”. Select the physical input it takes its signal from on the right.</translation>
    </message>
    <message>
        <source>Логічний вхід «Капот». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation>Logical input “Hood”. Select the physical input it takes its signal from on the right.</translation>
    </message>
    <message>
        <source>Логічний вхід «Багажник». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation>Logical input “Trunk”. Select the physical input it takes its signal from on the right.</translation>
    </message>
    <message>
        <source>Ручне гальмо</source>
        <translation>Parking brake</translation>
    </message>
    <message>
        <source>Логічний вхід «Ручне гальмо». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation>Logical input “Parking brake”. Select the physical input it takes its signal from on the right.</translation>
    </message>
    <message>
        <source>Педаль гальма</source>
        <translation>Brake pedal</translation>
    </message>
    <message>
        <source>Логічний вхід «Педаль гальма». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation>Logical input “Brake pedal”. Select the physical input it takes its signal from on the right.</translation>
    </message>
    <message>
        <source>Тахометр (двигун працює)</source>
        <translation>Tachometer (engine running)</translation>
    </message>
    <message>
        <source>Логічний вхід «Тахометр (двигун працює)». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation>Logical input “Tachometer (engine running)”. Select the physical input it takes its signal from on the right.</translation>
    </message>
    <message>
        <source>Кнопка Valet</source>
        <translation>Valet button</translation>
    </message>
    <message>
        <source>Логічний вхід «Кнопка Valet». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation>Logical input “Valet button”. Select the physical input it takes its signal from on the right.</translation>
    </message>
    <message>
        <source>Аварійна кнопка (паніка)</source>
        <translation>Emergency button (panic)</translation>
    </message>
    <message>
        <source>Логічний вхід «Аварійна кнопка (паніка)». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation>Logical input “Emergency button (panic)”. Select the physical input it takes its signal from on the right.</translation>
    </message>
    <message>
        <source>Штатна охорона знята</source>
        <translation>Factory alarm disarmed</translation>
    </message>
    <message>
        <source>Логічний вхід «Штатна охорона знята». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation>Logical input “Factory alarm disarmed”. Select the physical input it takes its signal from on the right.</translation>
    </message>
    <message>
        <source>АКПП у положенні P</source>
        <translation>Automatic transmission in P</translation>
    </message>
    <message>
        <source>Логічний вхід «АКПП у положенні P». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation>Logical input “Automatic transmission in P”. Select the physical input it takes its signal from on the right.</translation>
    </message>
    <message>
        <source>Логічний вхід «Запалювання». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation>Logical input “Ignition”. Select the physical input it takes its signal from on the right.</translation>
    </message>
    <message>
        <source>Логічний вихід «Сирена». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation>Logical output “Siren”. Select the physical output that drives it on the right.</translation>
    </message>
    <message>
        <source>Поворотники</source>
        <translation>Turn signals</translation>
    </message>
    <message>
        <source>Логічний вихід «Поворотники». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation>Logical output “Turn signals”. Select the physical output that drives it on the right.</translation>
    </message>
    <message>
        <source>Замки: закрити</source>
        <translation>Locks: lock</translation>
    </message>
    <message>
        <source>Логічний вихід «Замки: закрити». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation>Logical output “Locks: lock”. Select the physical output that drives it on the right.</translation>
    </message>
    <message>
        <source>Замки: відкрити</source>
        <translation>Locks: unlock</translation>
    </message>
    <message>
        <source>Логічний вихід «Замки: відкрити». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation>Logical output “Locks: unlock”. Select the physical output that drives it on the right.</translation>
    </message>
    <message>
        <source>Логічний вихід «Клаксон». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation>Logical output “Horn”. Select the physical output that drives it on the right.</translation>
    </message>
    <message>
        <source>Запалювання 1</source>
        <translation>Ignition 1</translation>
    </message>
    <message>
        <source>Логічний вихід «Запалювання 1». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation>Logical output “Ignition 1”. Select the physical output that drives it on the right.</translation>
    </message>
    <message>
        <source>Запалювання 2</source>
        <translation>Ignition 2</translation>
    </message>
    <message>
        <source>Логічний вихід «Запалювання 2». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation>Logical output “Ignition 2”. Select the physical output that drives it on the right.</translation>
    </message>
    <message>
        <source>Стартер</source>
        <translation>Starter</translation>
    </message>
    <message>
        <source>Логічний вихід «Стартер». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation>Logical output “Starter”. Select the physical output that drives it on the right.</translation>
    </message>
    <message>
        <source>Аксесуари (ACC)</source>
        <translation>Accessories (ACC)</translation>
    </message>
    <message>
        <source>Логічний вихід «Аксесуари (ACC)». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation>Logical output “Accessories (ACC)”. Select the physical output that drives it on the right.</translation>
    </message>
    <message>
        <source>Обхідник імобілайзера</source>
        <translation>Immobilizer bypass</translation>
    </message>
    <message>
        <source>Логічний вихід «Обхідник імобілайзера». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation>Logical output “Immobilizer bypass”. Select the physical output that drives it on the right.</translation>
    </message>
    <message>
        <source>Підсвітка салону</source>
        <translation>Dome light</translation>
    </message>
    <message>
        <source>Логічний вихід «Підсвітка салону». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation>Logical output “Dome light”. Select the physical output that drives it on the right.</translation>
    </message>
    <message>
        <source>Склопідйомники</source>
        <translation>Power windows</translation>
    </message>
    <message>
        <source>Логічний вихід «Склопідйомники». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation>Logical output “Power windows”. Select the physical output that drives it on the right.</translation>
    </message>
    <message>
        <source>Габарити</source>
        <translation>Parking lights</translation>
    </message>
    <message>
        <source>Логічний вихід «Габарити». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation>Logical output “Parking lights”. Select the physical output that drives it on the right.</translation>
    </message>
    <message>
        <source>Блокування двигуна</source>
        <translation>Engine immobilization</translation>
    </message>
    <message>
        <source>Логічний вихід «Блокування двигуна». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation>Logical output “Engine immobilization”. Select the physical output that drives it on the right.</translation>
    </message>
    <message>
        <source>Запалювання від входу модуля 6</source>
        <translation>Ignition from module input 6</translation>
    </message>
    <message>
        <source>Увімкніть, щоб логічний вхід «Запалювання» брав сигнал з цього джерела.</source>
        <translation>Enable so that the logical input “Ignition” takes its signal from this source.</translation>
    </message>
    <message>
        <source>Запалювання від входу модуля 7 (ACC)</source>
        <translation>Ignition from module input 7 (ACC)</translation>
    </message>
    <message>
        <source>Запалювання від входу 6 основного блоку</source>
        <translation>Ignition from main unit input 6</translation>
    </message>
    <message>
        <source>Блокування, капот і сервіс</source>
        <translation>Immobilization, hood and service</translation>
    </message>
    <message>
        <source>Реле блокування модуля 1</source>
        <translation>Module immobilization relay 1</translation>
    </message>
    <message>
        <source>Стан реле блокування підкапотного модуля. Реле обирають у контурах на сторінці «Блокування двигуна».</source>
        <translation>State of the under-hood module&apos;s immobilization relay. Relays are selected in the circuits on the “Engine immobilization” page.</translation>
    </message>
    <message>
        <source>Реле 1: тип контакту</source>
        <translation>Relay 1: contact type</translation>
    </message>
    <message>
        <source>Нормально замкнене реле розриває коло при блокуванні, нормально розімкнене — замикає.</source>
        <translation>A normally closed relay opens the circuit when immobilizing; a normally open relay closes it.</translation>
    </message>
    <message>
        <source>Нормально замкнений</source>
        <translation>Normally closed</translation>
    </message>
    <message>
        <source>Нормально розімкнений</source>
        <translation>Normally open</translation>
    </message>
    <message>
        <source>Реле 1: затримка, с</source>
        <translation>Relay 1: delay, s</translation>
    </message>
    <message>
        <source>Затримка спрацювання реле після команди блокування.</source>
        <translation>Relay activation delay after the immobilization command.</translation>
    </message>
    <message>
        <source>Реле 1: імпульсне блокування</source>
        <translation>Relay 1: pulse immobilization</translation>
    </message>
    <message>
        <source>Переривати коло імпульсами, імітуючи несправність, замість повного розриву.</source>
        <translation>Interrupt the circuit in pulses, simulating a fault, instead of opening it completely.</translation>
    </message>
    <message>
        <source>Реле 1: назва кола</source>
        <translation>Relay 1: circuit name</translation>
    </message>
    <message>
        <source>Яке коло автомобіля розриває реле (для журналу).</source>
        <translation>Which vehicle circuit the relay opens (for the log).</translation>
    </message>
    <message>
        <source>Реле блокування модуля 2</source>
        <translation>Module immobilization relay 2</translation>
    </message>
    <message>
        <source>Реле 2: тип контакту</source>
        <translation>Relay 2: contact type</translation>
    </message>
    <message>
        <source>Реле 2: затримка, с</source>
        <translation>Relay 2: delay, s</translation>
    </message>
    <message>
        <source>Реле 2: імпульсне блокування</source>
        <translation>Relay 2: pulse immobilization</translation>
    </message>
    <message>
        <source>Реле 2: назва кола</source>
        <translation>Relay 2: circuit name</translation>
    </message>
    <message>
        <source>Реле блокування модуля 3</source>
        <translation>Module immobilization relay 3</translation>
    </message>
    <message>
        <source>Реле 3: тип контакту</source>
        <translation>Relay 3: contact type</translation>
    </message>
    <message>
        <source>Реле 3: затримка, с</source>
        <translation>Relay 3: delay, s</translation>
    </message>
    <message>
        <source>Реле 3: імпульсне блокування</source>
        <translation>Relay 3: pulse immobilization</translation>
    </message>
    <message>
        <source>Реле 3: назва кола</source>
        <translation>Relay 3: circuit name</translation>
    </message>
    <message>
        <source>Замок капота встановлено</source>
        <translation>Hood lock installed</translation>
    </message>
    <message>
        <source>Підкапотний модуль керує електромеханічним замком капота.</source>
        <translation>The under-hood module controls an electromechanical hood lock.</translation>
    </message>
    <message>
        <source>Тип замка капота</source>
        <translation>Hood lock type</translation>
    </message>
    <message>
        <source>Тип приводу замка капота.</source>
        <translation>Type of hood lock actuator.</translation>
    </message>
    <message>
        <source>Електромеханічний</source>
        <translation>Electromechanical</translation>
    </message>
    <message>
        <source>Електромагнітний</source>
        <translation>Electromagnetic</translation>
    </message>
    <message>
        <source>Актуатор двопровідний</source>
        <translation>Two-wire actuator</translation>
    </message>
    <message>
        <source>Закривати капот при постановці</source>
        <translation>Lock hood when arming</translation>
    </message>
    <message>
        <source>Закривати замок капота разом з центральним замком.</source>
        <translation>Lock the hood lock together with the central locking.</translation>
    </message>
    <message>
        <source>Відкривати капот при знятті</source>
        <translation>Unlock hood when disarming</translation>
    </message>
    <message>
        <source>Відкривати замок капота при знятті з охорони.</source>
        <translation>Unlock the hood lock when disarming.</translation>
    </message>
    <message>
        <source>Імпульс замка капота, мс</source>
        <translation>Hood lock pulse, ms</translation>
    </message>
    <message>
        <source>Тривалість імпульсу на привід замка капота.</source>
        <translation>Pulse duration to the hood lock actuator.</translation>
    </message>
    <message>
        <source>Повторне закривання, разів</source>
        <translation>Lock retries</translation>
    </message>
    <message>
        <source>Скільки разів повторити закривання, якщо датчик не підтвердив.</source>
        <translation>How many times to retry locking if the sensor has not confirmed it.</translation>
    </message>
    <message>
        <source>Відкривати капот лише з міткою</source>
        <translation>Unlock hood only with tag</translation>
    </message>
    <message>
        <source>Капот відкривається лише за присутності зареєстрованої мітки.</source>
        <translation>The hood unlocks only when a paired tag is present.</translation>
    </message>
    <message>
        <source>Аварійне відкриття капота</source>
        <translation>Emergency hood release</translation>
    </message>
    <message>
        <source>Дозволити відкриття капота сервісним кодом при розрядженому акумуляторі.</source>
        <translation>Allow unlocking the hood with a service code when the battery is dead.</translation>
    </message>
    <message>
        <source>Датчик положення замка</source>
        <translation>Lock position sensor</translation>
    </message>
    <message>
        <source>Замок капота зачинено (за датчиком).</source>
        <translation>Hood lock is closed (according to the sensor).</translation>
    </message>
    <message>
        <source>Струм приводу замка, А</source>
        <translation>Lock actuator current, A</translation>
    </message>
    <message>
        <source>Струм останнього спрацювання приводу.</source>
        <translation>Current of the last actuator operation.</translation>
    </message>
    <message>
        <source>Сирена модуля</source>
        <translation>Module siren</translation>
    </message>
    <message>
        <source>Використовувати сирену, підключену до модуля.</source>
        <translation>Use the siren connected to the module.</translation>
    </message>
    <message>
        <source>Гучність сирени модуля, %</source>
        <translation>Module siren volume, %</translation>
    </message>
    <message>
        <source>Гучність сирени модуля.</source>
        <translation>Volume of the module siren.</translation>
    </message>
    <message>
        <source>Автономне живлення сирени</source>
        <translation>Self-powered siren</translation>
    </message>
    <message>
        <source>Сирена має власний акумулятор.</source>
        <translation>The siren has its own battery.</translation>
    </message>
    <message>
        <source>Датчик температури двигуна</source>
        <translation>Engine temperature sensor</translation>
    </message>
    <message>
        <source>До модуля підключено датчик температури двигуна.</source>
        <translation>An engine temperature sensor is connected to the module.</translation>
    </message>
    <message>
        <source>Температура двигуна, °C</source>
        <translation>Engine temperature, °C</translation>
    </message>
    <message>
        <source>Показ датчика температури двигуна.</source>
        <translation>Engine temperature sensor reading.</translation>
    </message>
    <message>
        <source>Поправка датчика температури двигуна, °C</source>
        <translation>Engine temperature sensor offset, °C</translation>
    </message>
    <message>
        <source>Додається до показу датчика.</source>
        <translation>Added to the sensor reading.</translation>
    </message>
    <message>
        <source>Контроль тиску оливи</source>
        <translation>Oil pressure monitoring</translation>
    </message>
    <message>
        <source>Зупиняти автозапуск при низькому тиску оливи.</source>
        <translation>Stop remote start when oil pressure is low.</translation>
    </message>
    <message>
        <source>Тест виходів модуля</source>
        <translation>Module output test</translation>
    </message>
    <message>
        <source>Поки увімкнено, виходи модуля по черзі вмикаються на 1 с.</source>
        <translation>While enabled, the module outputs turn on one after another for 1 s each.</translation>
    </message>
    <message>
        <source>Режим сну модуля</source>
        <translation>Module sleep mode</translation>
    </message>
    <message>
        <source>Коли модуль переходить у сон для економії енергії.</source>
        <translation>When the module goes to sleep to save power.</translation>
    </message>
    <message>
        <source>Ніколи</source>
        <translation>Never</translation>
    </message>
    <message>
        <source>Після бездіяльності</source>
        <translation>After inactivity</translation>
    </message>
    <message>
        <source>Час до сну, хв</source>
        <translation>Time to sleep, min</translation>
    </message>
    <message>
        <source>Бездіяльність, після якої модуль засинає.</source>
        <translation>Inactivity time after which the module goes to sleep.</translation>
    </message>
    <message>
        <source>Пробудження від CAN</source>
        <translation>Wake on CAN</translation>
    </message>
    <message>
        <source>Будити модуль активністю на CAN-шині.</source>
        <translation>Wake the module on CAN bus activity.</translation>
    </message>
    <message>
        <source>Журнал модуля</source>
        <translation>Module log</translation>
    </message>
    <message>
        <source>Записувати події модуля в журнал основного блоку.</source>
        <translation>Write module events to the main unit&apos;s log.</translation>
    </message>
    <message>
        <source>CAN/LIN</source>
        <translation>CAN/LIN</translation>
    </message>
    <message>
        <source>CAN-шина 1</source>
        <translation>CAN bus 1</translation>
    </message>
    <message>
        <source>Підключення до основної CAN-шини автомобіля.</source>
        <translation>Connection to the vehicle&apos;s main CAN bus.</translation>
    </message>
    <message>
        <source>CAN-шина 2</source>
        <translation>CAN bus 2</translation>
    </message>
    <message>
        <source>Підключення до другої CAN-шини (комфорт).</source>
        <translation>Connection to the second (comfort) CAN bus.</translation>
    </message>
    <message>
        <source>Підключення до LIN-шини автомобіля.</source>
        <translation>Connection to the vehicle&apos;s LIN bus.</translation>
    </message>
    <message>
        <source>Лише прослуховування CAN</source>
        <translation>CAN listen-only</translation>
    </message>
    <message>
        <source>Не передавати в шину нічого, лише читати стан автомобіля.</source>
        <translation>Send nothing to the bus; only read the vehicle status.</translation>
    </message>
    <message>
        <source>Термінатор CAN1 (120 Ом)</source>
        <translation>CAN1 terminator (120 Ω)</translation>
    </message>
    <message>
        <source>Увімкніть, якщо пристрій підключено на кінці шини.</source>
        <translation>Turn on if the device is connected at the end of the bus.</translation>
    </message>
    <message>
        <source>Термінатор CAN2 (120 Ом)</source>
        <translation>CAN2 terminator (120 Ω)</translation>
    </message>
    <message>
        <source>Увімкніть, якщо пристрій підключено на кінці другої шини.</source>
        <translation>Turn on if the device is connected at the end of the second bus.</translation>
    </message>
    <message>
        <source>Будити шину перед командою</source>
        <translation>Wake bus before command</translation>
    </message>
    <message>
        <source>Надсилати кадр пробудження перед командами автомобілю.</source>
        <translation>Send a wake-up frame before commands to the vehicle.</translation>
    </message>
    <message>
        <source>Закривати замки через CAN</source>
        <translation>Lock doors via CAN</translation>
    </message>
    <message>
        <source>Керувати штатним центральним замком командами CAN.</source>
        <translation>Control the factory central locking with CAN commands.</translation>
    </message>
    <message>
        <source>Відкривати замки через CAN</source>
        <translation>Unlock doors via CAN</translation>
    </message>
    <message>
        <source>Відкривати штатний замок командами CAN.</source>
        <translation>Unlock the factory lock with CAN commands.</translation>
    </message>
    <message>
        <source>Складати дзеркала через CAN</source>
        <translation>Fold mirrors via CAN</translation>
    </message>
    <message>
        <source>Складати дзеркала при постановці під охорону.</source>
        <translation>Fold the mirrors when arming.</translation>
    </message>
    <message>
        <source>Закривати вікна через CAN</source>
        <translation>Close windows via CAN</translation>
    </message>
    <message>
        <source>Закривати вікна та люк при постановці під охорону.</source>
        <translation>Close the windows and sunroof when arming.</translation>
    </message>
    <message>
        <source>Аварійна сигналізація через CAN</source>
        <translation>Hazard lights via CAN</translation>
    </message>
    <message>
        <source>Блимати поворотниками командами CAN замість дротів.</source>
        <translation>Flash the turn signals with CAN commands instead of wires.</translation>
    </message>
    <message>
        <source>Вимикати штатну охорону через CAN</source>
        <translation>Disable factory alarm via CAN</translation>
    </message>
    <message>
        <source>Знімати штатну охорону перед автозапуском.</source>
        <translation>Disarm the factory alarm before remote start.</translation>
    </message>
    <message>
        <source>Керування підігрівачем через LIN</source>
        <translation>Heater control via LIN</translation>
    </message>
    <message>
        <source>Вмикати автономний підігрівач командами LIN.</source>
        <translation>Turn on the auxiliary heater with LIN commands.</translation>
    </message>
    <message>
        <source>CAN</source>
        <translation>CAN</translation>
    </message>
    <message>
        <source>CAN-бібліотека</source>
        <translation>CAN library</translation>
    </message>
    <message>
        <source>Код автомобіля</source>
        <translation>Vehicle code</translation>
    </message>
    <message>
        <source>Номер автомобіля в CAN-бібліотеці; задає розбір кадрів шини.</source>
        <translation>Vehicle number in the CAN library; defines how bus frames are decoded.</translation>
    </message>
    <message>
        <source>Автомобіль за кодом</source>
        <translation>Vehicle for code</translation>
    </message>
    <message>
        <source>Марка та модель, що відповідають коду.</source>
        <translation>Make and model matching the code.</translation>
    </message>
    <message>
        <source>Швидкість CAN1, кбіт/с</source>
        <translation>CAN1 speed, kbit/s</translation>
    </message>
    <message>
        <source>Швидкість основної шини, визначена пристроєм.</source>
        <translation>Main bus speed detected by the device.</translation>
    </message>
    <message>
        <source>Швидкість CAN2, кбіт/с</source>
        <translation>CAN2 speed, kbit/s</translation>
    </message>
    <message>
        <source>Швидкість другої шини.</source>
        <translation>Second bus speed.</translation>
    </message>
    <message>
        <source>Прийнято кадрів CAN1</source>
        <translation>CAN1 frames received</translation>
    </message>
    <message>
        <source>Лічильник кадрів з моменту увімкнення.</source>
        <translation>Frame counter since power-up.</translation>
    </message>
    <message>
        <source>Прийнято кадрів CAN2</source>
        <translation>CAN2 frames received</translation>
    </message>
    <message>
        <source>Помилок шини</source>
        <translation>Bus errors</translation>
    </message>
    <message>
        <source>Лічильник помилок обох шин.</source>
        <translation>Error counter for both buses.</translation>
    </message>
    <message>
        <source>Автовизначення швидкості</source>
        <translation>Auto-detect speed</translation>
    </message>
    <message>
        <source>Визначати швидкість шини автоматично при підключенні.</source>
        <translation>Detect the bus speed automatically on connection.</translation>
    </message>
    <message>
        <source>Сигнали з CAN-шини</source>
        <translation>CAN bus signals</translation>
    </message>
    <message>
        <source>CAN: запалювання</source>
        <translation>CAN: ignition</translation>
    </message>
    <message>
        <source>Стан, прочитаний з CAN-шини. Може бути джерелом логічного входу.</source>
        <translation>State read from the CAN bus. Can be the source of a logical input.</translation>
    </message>
    <message>
        <source>CAN: ключ у положенні ACC</source>
        <translation>CAN: key in ACC position</translation>
    </message>
    <message>
        <source>CAN: двері водія</source>
        <translation>CAN: driver&apos;s door</translation>
    </message>
    <message>
        <source>CAN: двері пасажирів</source>
        <translation>CAN: passenger doors</translation>
    </message>
    <message>
        <source>CAN: багажник</source>
        <translation>CAN: trunk</translation>
    </message>
    <message>
        <source>CAN: капот</source>
        <translation>CAN: hood</translation>
    </message>
    <message>
        <source>CAN: ручне гальмо</source>
        <translation>CAN: parking brake</translation>
    </message>
    <message>
        <source>CAN: педаль гальма</source>
        <translation>CAN: brake pedal</translation>
    </message>
    <message>
        <source>CAN: двигун працює</source>
        <translation>CAN: engine running</translation>
    </message>
    <message>
        <source>CAN: штатний брелок — закрити</source>
        <translation>CAN: factory key fob — lock</translation>
    </message>
    <message>
        <source>CAN: штатний брелок — відкрити</source>
        <translation>CAN: factory key fob — unlock</translation>
    </message>
    <message>
        <source>CAN: АКПП у положенні P</source>
        <translation>CAN: automatic transmission in P</translation>
    </message>
    <message>
        <source>Керування через CAN</source>
        <translation>Control via CAN</translation>
    </message>
    <message>
        <source>Запалювання з CAN-шини</source>
        <translation>Ignition from CAN bus</translation>
    </message>
    <message>
        <source>Логічний вхід «Запалювання» бере сигнал з CAN-шини.</source>
        <translation>The “Ignition” logical input takes its signal from the CAN bus.</translation>
    </message>
    <message>
        <source>Запалювання з CAN (ключ ACC)</source>
        <translation>Ignition from CAN (ACC key)</translation>
    </message>
    <message>
        <source>Логічний вхід «Запалювання» бере сигнал положення ключа ACC з CAN-шини.</source>
        <translation>The “Ignition” logical input takes the ACC key position signal from the CAN bus.</translation>
    </message>
    <message>
        <source>Цифрове блокування двигуна</source>
        <translation>Digital engine immobilization</translation>
    </message>
    <message>
        <source>Блокувати двигун командою в CAN-шину; обирається в контурах на сторінці «Блокування двигуна».</source>
        <translation>Immobilize the engine with a command on the CAN bus; selected in the circuits on the “Engine immobilization” page.</translation>
    </message>
    <message>
        <source>Закривати замки штатним брелоком</source>
        <translation>Lock doors with factory key fob</translation>
    </message>
    <message>
        <source>Реагувати на натискання штатного брелока.</source>
        <translation>Respond to presses of the factory key fob.</translation>
    </message>
    <message>
        <source>Ставити під охорону штатним брелоком</source>
        <translation>Arm with factory key fob</translation>
    </message>
    <message>
        <source>Постановка та зняття штатним брелоком.</source>
        <translation>Arming and disarming with the factory key fob.</translation>
    </message>
    <message>
        <source>Складати дзеркала при постановці</source>
        <translation>Fold mirrors when arming</translation>
    </message>
    <message>
        <source>Команда складання дзеркал у CAN-шину.</source>
        <translation>Mirror folding command on the CAN bus.</translation>
    </message>
    <message>
        <source>Закривати вікна при постановці</source>
        <translation>Close windows when arming</translation>
    </message>
    <message>
        <source>Команда закривання вікон у CAN-шину.</source>
        <translation>Window closing command on the CAN bus.</translation>
    </message>
    <message>
        <source>Вимикати штатну охорону</source>
        <translation>Disable factory alarm</translation>
    </message>
    <message>
        <source>Знімати штатну охорону перед дистанційним запуском.</source>
        <translation>Disarm the factory alarm before remote start.</translation>
    </message>
    <message>
        <source>Емуляція штатного ключа</source>
        <translation>Factory key emulation</translation>
    </message>
    <message>
        <source>Обхід штатного імобілайзера без ключа в салоні.</source>
        <translation>Bypass the factory immobilizer without a key in the cabin.</translation>
    </message>
    <message>
        <source>Затримка після пробудження, мс</source>
        <translation>Delay after wake-up, ms</translation>
    </message>
    <message>
        <source>Пауза між пробудженням шини та командою.</source>
        <translation>Pause between bus wake-up and the command.</translation>
    </message>
    <message>
        <source>Повторів команди</source>
        <translation>Command repeats</translation>
    </message>
    <message>
        <source>Скільки разів повторювати команду в шину.</source>
        <translation>How many times to repeat the command on the bus.</translation>
    </message>
    <message>
        <source>Авто</source>
        <translation>Vehicle</translation>
    </message>
    <message>
        <source>Автомобіль</source>
        <translation>Vehicle</translation>
    </message>
    <message>
        <source>Марка</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>Марка автомобіля. Задає набір типових налаштувань.</source>
        <translation>Vehicle make. Sets the set of default settings.</translation>
    </message>
    <message>
        <source>Інша</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Toyota</source>
        <translation>Toyota</translation>
    </message>
    <message>
        <source>Volkswagen</source>
        <translation>Volkswagen</translation>
    </message>
    <message>
        <source>Skoda</source>
        <translation>Skoda</translation>
    </message>
    <message>
        <source>Hyundai</source>
        <translation>Hyundai</translation>
    </message>
    <message>
        <source>Kia</source>
        <translation>Kia</translation>
    </message>
    <message>
        <source>Renault</source>
        <translation>Renault</translation>
    </message>
    <message>
        <source>Nissan</source>
        <translation>Nissan</translation>
    </message>
    <message>
        <source>Mazda</source>
        <translation>Mazda</translation>
    </message>
    <message>
        <source>Ford</source>
        <translation>Ford</translation>
    </message>
    <message>
        <source>BMW</source>
        <translation>BMW</translation>
    </message>
    <message>
        <source>Mercedes-Benz</source>
        <translation>Mercedes-Benz</translation>
    </message>
    <message>
        <source>Тип кузова</source>
        <translation>Body type</translation>
    </message>
    <message>
        <source>Тип кузова автомобіля.</source>
        <translation>Vehicle body type.</translation>
    </message>
    <message>
        <source>Седан</source>
        <translation>Sedan</translation>
    </message>
    <message>
        <source>Хетчбек</source>
        <translation>Hatchback</translation>
    </message>
    <message>
        <source>Універсал</source>
        <translation>Wagon</translation>
    </message>
    <message>
        <source>Кросовер</source>
        <translation>Crossover</translation>
    </message>
    <message>
        <source>Позашляховик</source>
        <translation>SUV</translation>
    </message>
    <message>
        <source>Мінівен</source>
        <translation>Minivan</translation>
    </message>
    <message>
        <source>Пікап</source>
        <translation>Pickup</translation>
    </message>
    <message>
        <source>Тип двигуна</source>
        <translation>Engine type</translation>
    </message>
    <message>
        <source>Від типу двигуна залежить алгоритм запуску.</source>
        <translation>The start algorithm depends on the engine type.</translation>
    </message>
    <message>
        <source>Бензиновий</source>
        <translation>Gasoline</translation>
    </message>
    <message>
        <source>Дизельний</source>
        <translation>Diesel</translation>
    </message>
    <message>
        <source>Гібрид</source>
        <translation>Hybrid</translation>
    </message>
    <message>
        <source>Газ/бензин</source>
        <translation>LPG/gasoline</translation>
    </message>
    <message>
        <source>Коробка передач</source>
        <translation>Transmission</translation>
    </message>
    <message>
        <source>Для механічної коробки автозапуск вимагає програмної нейтралі.</source>
        <translation>With a manual transmission, remote start requires software neutral.</translation>
    </message>
    <message>
        <source>Механічна</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Автоматична</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Робот</source>
        <translation>Automated manual</translation>
    </message>
    <message>
        <source>Варіатор</source>
        <translation>CVT</translation>
    </message>
    <message>
        <source>Запуск двигуна</source>
        <translation>Engine start</translation>
    </message>
    <message>
        <source>Як автомобіль запускається штатно.</source>
        <translation>How the vehicle is started normally.</translation>
    </message>
    <message>
        <source>Ключем</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Кнопкою Start/Stop</source>
        <translation>Start/Stop button</translation>
    </message>
    <message>
        <source>Штатні системи</source>
        <translation>Factory systems</translation>
    </message>
    <message>
        <source>Штатний імобілайзер</source>
        <translation>Factory immobilizer</translation>
    </message>
    <message>
        <source>Як обходити штатний імобілайзер при дистанційному запуску.</source>
        <translation>How to bypass the factory immobilizer during remote start.</translation>
    </message>
    <message>
        <source>Обхідник з ключем</source>
        <translation>Immobilizer bypass with key</translation>
    </message>
    <message>
        <source>Безключовий обхід через CAN</source>
        <translation>Keyless bypass via CAN</translation>
    </message>
    <message>
        <source>Штатна охорона</source>
        <translation>Factory alarm</translation>
    </message>
    <message>
        <source>Чи є в автомобілі штатна охоронна система.</source>
        <translation>Whether the vehicle has a factory alarm system.</translation>
    </message>
    <message>
        <source>Є, керувати через CAN</source>
        <translation>Yes, control via CAN</translation>
    </message>
    <message>
        <source>Є, керувати дротами</source>
        <translation>Yes, control via wires</translation>
    </message>
    <message>
        <source>Центральний замок</source>
        <translation>Central locking</translation>
    </message>
    <message>
        <source>Як пристрій керує центральним замком.</source>
        <translation>How the device controls the central locking.</translation>
    </message>
    <message>
        <source>Дроти</source>
        <translation>Wires</translation>
    </message>
    <message>
        <source>CAN-шина</source>
        <translation>CAN bus</translation>
    </message>
    <message>
        <source>Як пристрій вмикає поворотники.</source>
        <translation>How the device turns on the turn signals.</translation>
    </message>
    <message>
        <source>Стоянкове гальмо</source>
        <translation>Parking brake</translation>
    </message>
    <message>
        <source>Тип стоянкового гальма.</source>
        <translation>Parking brake type.</translation>
    </message>
    <message>
        <source>Механічне</source>
        <translation>Mechanical</translation>
    </message>
    <message>
        <source>Електричне</source>
        <translation>Electric</translation>
    </message>
    <message>
        <source>Автозапуск</source>
        <translation>Remote start</translation>
    </message>
    <message>
        <source>Дистанційний запуск дозволено</source>
        <translation>Remote start enabled</translation>
    </message>
    <message>
        <source>Дозволяє запуск двигуна з брелока, телефону або за розкладом.</source>
        <translation>Allows engine start from a key fob, phone or schedule.</translation>
    </message>
    <message>
        <source>Тривалість роботи двигуна, хв</source>
        <translation>Engine run time, min</translation>
    </message>
    <message>
        <source>Через цей час після дистанційного запуску двигун зупиняється.</source>
        <translation>The engine stops after this time following a remote start.</translation>
    </message>
    <message>
        <source>Спроб запуску</source>
        <translation>Start attempts</translation>
    </message>
    <message>
        <source>Скільки разів пробувати запустити двигун, якщо він не завівся.</source>
        <translation>How many times to try starting the engine if it does not start.</translation>
    </message>
    <message>
        <source>Прокручування стартера, с</source>
        <translation>Cranking time, s</translation>
    </message>
    <message>
        <source>Найбільший час роботи стартера за одну спробу.</source>
        <translation>Maximum starter run time per attempt.</translation>
    </message>
    <message>
        <source>Напруга підтвердження запуску, В</source>
        <translation>Start confirmation voltage, V</translation>
    </message>
    <message>
        <source>Напруга бортової мережі, вище якої двигун вважається запущеним, якщо тахометр не підключено.</source>
        <translation>Vehicle voltage above which the engine is considered running if no tachometer is connected.</translation>
    </message>
    <message>
        <source>Запуск за низької температури</source>
        <translation>Cold-weather start</translation>
    </message>
    <message>
        <source>Запускати двигун, коли температура двигуна нижче -18 °C.</source>
        <translation>Start the engine when the engine temperature is below -18 °C.</translation>
    </message>
    <message>
        <source>Вмикає блокування двигуна при знятті з охорони без мітки або коду.</source>
        <translation>Enables engine immobilization when disarmed without a tag or code.</translation>
    </message>
    <message>
        <source>Режим блокування</source>
        <translation>Immobilization mode</translation>
    </message>
    <message>
        <source>Коли двигун блокується.</source>
        <translation>When the engine is immobilized.</translation>
    </message>
    <message>
        <source>Лише під охороною</source>
        <translation>Only when armed</translation>
    </message>
    <message>
        <source>Завжди без мітки</source>
        <translation>Always without tag</translation>
    </message>
    <message>
        <source>Контури блокування</source>
        <translation>Immobilization circuits</translation>
    </message>
    <message>
        <source>Контур 1</source>
        <translation>Circuit 1</translation>
    </message>
    <message>
        <source>Режим першого контуру. Праворуч оберіть реле, яке його виконує.</source>
        <translation>First circuit mode. Select the relay that drives it on the right.</translation>
    </message>
    <message>
        <source>Розривати коло</source>
        <translation>Break circuit</translation>
    </message>
    <message>
        <source>Замикати коло</source>
        <translation>Close circuit</translation>
    </message>
    <message>
        <source>Імпульсне блокування</source>
        <translation>Pulse immobilization</translation>
    </message>
    <message>
        <source>Контур 2</source>
        <translation>Circuit 2</translation>
    </message>
    <message>
        <source>Режим другого контуру. Праворуч оберіть реле, яке його виконує.</source>
        <translation>Second circuit mode. Select the relay that drives it on the right.</translation>
    </message>
    <message>
        <source>Контур 3</source>
        <translation>Circuit 3</translation>
    </message>
    <message>
        <source>Режим третього контуру. Праворуч оберіть реле, яке його виконує.</source>
        <translation>Third circuit mode. Select the relay that drives it on the right.</translation>
    </message>
    <message>
        <source>Затримка блокування після запуску, с</source>
        <translation>Immobilization delay after start, s</translation>
    </message>
    <message>
        <source>Двигун глохне через цей час після запуску без мітки.</source>
        <translation>The engine stalls this long after a start without a tag.</translation>
    </message>
    <message>
        <source>Блокувати при швидкості до, км/год</source>
        <translation>Immobilize at speed up to, km/h</translation>
    </message>
    <message>
        <source>Вище цієї швидкості блокування відкладається до зупинки.</source>
        <translation>Above this speed, immobilization is postponed until the vehicle stops.</translation>
    </message>
    <message>
        <source>Код зі штатних кнопок</source>
        <translation>Factory button code</translation>
    </message>
    <message>
        <source>Знімати блокування послідовністю натискань штатних кнопок.</source>
        <translation>Release immobilization with a sequence of factory button presses.</translation>
    </message>
    <message>
        <source>Натискань у коді</source>
        <translation>Presses in code</translation>
    </message>
    <message>
        <source>Довжина коду зі штатних кнопок.</source>
        <translation>Length of the factory button code.</translation>
    </message>
    <message>
        <source>Блокувати при тривозі</source>
        <translation>Immobilize on alarm</translation>
    </message>
    <message>
        <source>Блокувати двигун, поки триває тривога.</source>
        <translation>Immobilize the engine while the alarm is active.</translation>
    </message>
    <message>
        <source>Блокувати при втраті мітки в русі</source>
        <translation>Immobilize on tag loss while driving</translation>
    </message>
    <message>
        <source>Після зупинки блокувати двигун, якщо мітка зникла під час руху.</source>
        <translation>Immobilize the engine after stopping if the tag was lost while driving.</translation>
    </message>
    <message>
        <source>Сигнал при спробі запуску</source>
        <translation>Signal on start attempt</translation>
    </message>
    <message>
        <source>Коротка тривога, якщо хтось намагається запустити заблокований двигун.</source>
        <translation>Short alarm if someone tries to start the immobilized engine.</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Модуль Bluetooth</source>
        <translation>Bluetooth module</translation>
    </message>
    <message>
        <source>Bluetooth увімкнено</source>
        <translation>Bluetooth on</translation>
    </message>
    <message>
        <source>Вмикає модуль Bluetooth для міток і застосунку.</source>
        <translation>Turns on the Bluetooth module for tags and the app.</translation>
    </message>
    <message>
        <source>Ім&apos;я пристрою</source>
        <translation>Device name</translation>
    </message>
    <message>
        <source>Ім&apos;я, яке бачить смартфон при пошуку.</source>
        <translation>Name the smartphone sees when scanning.</translation>
    </message>
    <message>
        <source>Адреса модуля</source>
        <translation>Module address</translation>
    </message>
    <message>
        <source>Адреса Bluetooth основного блоку.</source>
        <translation>Bluetooth address of the main unit.</translation>
    </message>
    <message>
        <source>Потужність передавача, дБм</source>
        <translation>Transmitter power, dBm</translation>
    </message>
    <message>
        <source>Менша потужність зменшує дальність і споживання.</source>
        <translation>Lower power reduces range and consumption.</translation>
    </message>
    <message>
        <source>Видимість</source>
        <translation>Visibility</translation>
    </message>
    <message>
        <source>Коли пристрій видно для нових смартфонів.</source>
        <translation>When the device is visible to new smartphones.</translation>
    </message>
    <message>
        <source>Прихований</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>Лише в режимі реєстрації</source>
        <translation>Only in pairing mode</translation>
    </message>
    <message>
        <source>Завжди</source>
        <translation>Always</translation>
    </message>
    <message>
        <source>Режим hands free</source>
        <translation>Hands-free mode</translation>
    </message>
    <message>
        <source>Дії при наближенні та віддаленні мітки.</source>
        <translation>Actions when the tag approaches and moves away.</translation>
    </message>
    <message>
        <source>Знімати з охорони при наближенні</source>
        <translation>Disarm on approach</translation>
    </message>
    <message>
        <source>Знімати та ставити автоматично</source>
        <translation>Disarm and arm automatically</translation>
    </message>
    <message>
        <source>Відстань постановки</source>
        <translation>Arming distance</translation>
    </message>
    <message>
        <source>На якій відстані від мітки ставити під охорону.</source>
        <translation>At what distance from the tag to arm.</translation>
    </message>
    <message>
        <source>Близько (до 3 м)</source>
        <translation>Near (up to 3 m)</translation>
    </message>
    <message>
        <source>Середньо (до 7 м)</source>
        <translation>Medium (up to 7 m)</translation>
    </message>
    <message>
        <source>Далеко (до 15 м)</source>
        <translation>Far (up to 15 m)</translation>
    </message>
    <message>
        <source>Сигнал при втраті мітки</source>
        <translation>Signal on tag loss</translation>
    </message>
    <message>
        <source>Коротко подати сигнал, якщо мітка зникла при працюючому двигуні.</source>
        <translation>Give a short signal if the tag is lost while the engine is running.</translation>
    </message>
    <message>
        <source>Зареєстровано міток</source>
        <translation>Tags paired</translation>
    </message>
    <message>
        <source>Скільки міток записано в пам&apos;ять.</source>
        <translation>How many tags are stored in memory.</translation>
    </message>
    <message>
        <source>Застосунок для смартфона</source>
        <translation>Smartphone app</translation>
    </message>
    <message>
        <source>Дозволити керування з застосунку через Bluetooth.</source>
        <translation>Allow control from the app via Bluetooth.</translation>
    </message>
    <message>
        <source>Реєстрація нової мітки</source>
        <translation>Pair new tag</translation>
    </message>
    <message>
        <source>Після увімкнення пристрій 30 с чекає на нову мітку.</source>
        <translation>When turned on, the device waits 30 s for a new tag.</translation>
    </message>
    <message>
        <source>Видалити всі мітки</source>
        <translation>Delete all tags</translation>
    </message>
    <message>
        <source>Стирає всі мітки з пам&apos;яті при наступному знятті з охорони.</source>
        <translation>Erases all tags from memory at the next disarm.</translation>
    </message>
    <message>
        <source>Мітка 1</source>
        <translation>Tag 1</translation>
    </message>
    <message>
        <source>Мітка 1 записана в пам&apos;ять пристрою.</source>
        <translation>Tag 1 is stored in the device memory.</translation>
    </message>
    <message>
        <source>Назва</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Ім&apos;я мітки для журналу та повідомлень.</source>
        <translation>Tag name for the log and notifications.</translation>
    </message>
    <message>
        <source>Ідентифікатор</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Адреса мітки Bluetooth, заповнюється при реєстрації.</source>
        <translation>Bluetooth address of the tag, filled in during pairing.</translation>
    </message>
    <message>
        <source>Тип</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Тип пристрою, що використовується як мітка.</source>
        <translation>Type of device used as a tag.</translation>
    </message>
    <message>
        <source>Брелок-мітка</source>
        <translation>Key fob tag</translation>
    </message>
    <message>
        <source>Смартфон</source>
        <translation>Smartphone</translation>
    </message>
    <message>
        <source>Браслет</source>
        <translation>Wristband</translation>
    </message>
    <message>
        <source>Поріг присутності, дБм</source>
        <translation>Presence threshold, dBm</translation>
    </message>
    <message>
        <source>Мітка вважається поруч, коли сигнал сильніший за поріг.</source>
        <translation>The tag is considered nearby when the signal is stronger than the threshold.</translation>
    </message>
    <message>
        <source>Поріг відсутності, дБм</source>
        <translation>Absence threshold, dBm</translation>
    </message>
    <message>
        <source>Мітка вважається відсутньою, коли сигнал слабший за поріг.</source>
        <translation>The tag is considered absent when the signal is weaker than the threshold.</translation>
    </message>
    <message>
        <source>Сигнал зараз, дБм</source>
        <translation>Current signal, dBm</translation>
    </message>
    <message>
        <source>Поточний рівень сигналу мітки.</source>
        <translation>Current signal level of the tag.</translation>
    </message>
    <message>
        <source>Заряд батареї, %</source>
        <translation>Battery charge, %</translation>
    </message>
    <message>
        <source>Заряд батареї мітки за її останнім звітом.</source>
        <translation>Tag battery charge from its last report.</translation>
    </message>
    <message>
        <source>Знімати з охорони</source>
        <translation>Disarm</translation>
    </message>
    <message>
        <source>Мітка може знімати з охорони при наближенні.</source>
        <translation>The tag can disarm on approach.</translation>
    </message>
    <message>
        <source>Дозволити автозапуск</source>
        <translation>Allow remote start</translation>
    </message>
    <message>
        <source>Мітка може запускати двигун.</source>
        <translation>The tag can start the engine.</translation>
    </message>
    <message>
        <source>Мітка 2</source>
        <translation>Tag 2</translation>
    </message>
    <message>
        <source>Мітка 2 записана в пам&apos;ять пристрою.</source>
        <translation>Tag 2 is stored in the device memory.</translation>
    </message>
    <message>
        <source>Мітка 3</source>
        <translation>Tag 3</translation>
    </message>
    <message>
        <source>Мітка 3 записана в пам&apos;ять пристрою.</source>
        <translation>Tag 3 is stored in the device memory.</translation>
    </message>
    <message>
        <source>Мітка 4</source>
        <translation>Tag 4</translation>
    </message>
    <message>
        <source>Мітка 4 записана в пам&apos;ять пристрою.</source>
        <translation>Tag 4 is stored in the device memory.</translation>
    </message>
    <message>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>Модуль і SIM-картка</source>
        <translation>Module and SIM card</translation>
    </message>
    <message>
        <source>GSM-модуль увімкнено</source>
        <translation>GSM module on</translation>
    </message>
    <message>
        <source>Вмикає GSM-модуль для дзвінків, SMS та сервера.</source>
        <translation>Turns on the GSM module for calls, SMS and the server.</translation>
    </message>
    <message>
        <source>IMEI</source>
        <translation>IMEI</translation>
    </message>
    <message>
        <source>Ідентифікатор GSM-модуля.</source>
        <translation>GSM module identifier.</translation>
    </message>
    <message>
        <source>Номер SIM-картки</source>
        <translation>SIM card number</translation>
    </message>
    <message>
        <source>Номер SIM-картки пристрою, для довідки.</source>
        <translation>Phone number of the device&apos;s SIM card, for reference.</translation>
    </message>
    <message>
        <source>Оператор</source>
        <translation>Carrier</translation>
    </message>
    <message>
        <source>Мережа, в якій зареєстровано модуль.</source>
        <translation>Network the module is registered on.</translation>
    </message>
    <message>
        <source>Баланс</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Відповідь оператора на останній запит балансу.</source>
        <translation>Carrier&apos;s reply to the last balance request.</translation>
    </message>
    <message>
        <source>USSD-запит балансу</source>
        <translation>Balance USSD request</translation>
    </message>
    <message>
        <source>Код запиту балансу вашого оператора.</source>
        <translation>Balance request code of your carrier.</translation>
    </message>
    <message>
        <source>Енергозбереження</source>
        <translation>Power saving</translation>
    </message>
    <message>
        <source>Коли модуль переходить у режим низького споживання.</source>
        <translation>When the module enters low-power mode.</translation>
    </message>
    <message>
        <source>Завжди, крім тривоги</source>
        <translation>Always, except during alarm</translation>
    </message>
    <message>
        <source>PIN-код SIM-картки потрібен</source>
        <translation>SIM card PIN required</translation>
    </message>
    <message>
        <source>SIM-картка захищена PIN-кодом (вимкніть його в телефоні, якщо можливо).</source>
        <translation>The SIM card is protected by a PIN (disable it in a phone if possible).</translation>
    </message>
    <message>
        <source>Власник 1</source>
        <translation>Owner 1</translation>
    </message>
    <message>
        <source>Номер телефону</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>Номер у міжнародному форматі, наприклад +380671234567.</source>
        <translation>Number in international format, e.g. +380671234567.</translation>
    </message>
    <message>
        <source>Дзвінок при тривозі</source>
        <translation>Call on alarm</translation>
    </message>
    <message>
        <source>Дзвонити на цей номер при тривозі.</source>
        <translation>Call this number on alarm.</translation>
    </message>
    <message>
        <source>SMS при тривозі</source>
        <translation>SMS on alarm</translation>
    </message>
    <message>
        <source>Надсилати SMS з причиною тривоги.</source>
        <translation>Send an SMS with the alarm cause.</translation>
    </message>
    <message>
        <source>SMS про постановку та зняття</source>
        <translation>SMS on arm/disarm</translation>
    </message>
    <message>
        <source>Повідомляти про зміну режиму охорони.</source>
        <translation>Report changes of the arming mode.</translation>
    </message>
    <message>
        <source>Керування з цього номера</source>
        <translation>Control from this number</translation>
    </message>
    <message>
        <source>Приймати команди дзвінком та SMS з цього номера.</source>
        <translation>Accept commands by call and SMS from this number.</translation>
    </message>
    <message>
        <source>Мова повідомлень</source>
        <translation>Message language</translation>
    </message>
    <message>
        <source>Мова SMS для цього номера.</source>
        <translation>SMS language for this number.</translation>
    </message>
    <message>
        <source>Українська</source>
        <translation>Ukrainian</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Власник 2</source>
        <translation>Owner 2</translation>
    </message>
    <message>
        <source>Власник 3</source>
        <translation>Owner 3</translation>
    </message>
    <message>
        <source>Власник 4</source>
        <translation>Owner 4</translation>
    </message>
    <message>
        <source>Дзвінки</source>
        <translation>Calls</translation>
    </message>
    <message>
        <source>Спроб дозвону</source>
        <translation>Dial attempts</translation>
    </message>
    <message>
        <source>Скільки разів пробувати додзвонитися на кожен номер.</source>
        <translation>How many times to try calling each number.</translation>
    </message>
    <message>
        <source>Тривалість дзвінка, с</source>
        <translation>Call duration, s</translation>
    </message>
    <message>
        <source>Скільки чекати відповіді на дзвінок.</source>
        <translation>How long to wait for the call to be answered.</translation>
    </message>
    <message>
        <source>Пауза між спробами, с</source>
        <translation>Pause between attempts, s</translation>
    </message>
    <message>
        <source>Пауза перед повторним дзвінком.</source>
        <translation>Pause before calling again.</translation>
    </message>
    <message>
        <source>Автовідповідь</source>
        <translation>Auto-answer</translation>
    </message>
    <message>
        <source>Пристрій відповідає на дзвінок з номера власника.</source>
        <translation>The device answers calls from an owner&apos;s number.</translation>
    </message>
    <message>
        <source>Прослуховування салону</source>
        <translation>Cabin audio monitoring</translation>
    </message>
    <message>
        <source>Вмикати мікрофон у салоні під час дзвінка.</source>
        <translation>Turn on the cabin microphone during a call.</translation>
    </message>
    <message>
        <source>Голосове меню</source>
        <translation>Voice menu</translation>
    </message>
    <message>
        <source>Керування тоновим набором під час дзвінка.</source>
        <translation>Control by DTMF tones during a call.</translation>
    </message>
    <message>
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>SMS про низьку напругу</source>
        <translation>Low voltage SMS</translation>
    </message>
    <message>
        <source>Повідомлення, коли напруга нижче порогу.</source>
        <translation>Message when the voltage drops below the threshold.</translation>
    </message>
    <message>
        <source>SMS про автозапуск</source>
        <translation>Remote start SMS</translation>
    </message>
    <message>
        <source>Повідомлення про запуск і зупинку двигуна.</source>
        <translation>Message about engine start and stop.</translation>
    </message>
    <message>
        <source>SMS про втрату мітки</source>
        <translation>Tag loss SMS</translation>
    </message>
    <message>
        <source>Повідомлення, якщо мітка зникла під час руху.</source>
        <translation>Message if the tag is lost while driving.</translation>
    </message>
    <message>
        <source>Щоденний звіт</source>
        <translation>Daily report</translation>
    </message>
    <message>
        <source>Раз на добу надсилати стан автомобіля.</source>
        <translation>Send the vehicle status once a day.</translation>
    </message>
    <message>
        <source>Година щоденного звіту</source>
        <translation>Daily report hour</translation>
    </message>
    <message>
        <source>Година (0–23) надсилання звіту.</source>
        <translation>Hour (0–23) the report is sent.</translation>
    </message>
    <message>
        <source>Підпис повідомлень</source>
        <translation>Message signature</translation>
    </message>
    <message>
        <source>Текст на початку кожного SMS.</source>
        <translation>Text at the start of each SMS.</translation>
    </message>
    <message>
        <source>Ліміт SMS на добу</source>
        <translation>SMS limit per day</translation>
    </message>
    <message>
        <source>Більше SMS за добу пристрій не надсилає; 0 — без ліміту.</source>
        <translation>The device sends no more SMS per day; 0 — no limit.</translation>
    </message>
    <message>
        <source>Формат координат</source>
        <translation>Coordinate format</translation>
    </message>
    <message>
        <source>Як передавати місцезнаходження в SMS.</source>
        <translation>How to send the location in SMS.</translation>
    </message>
    <message>
        <source>Посилання на карту</source>
        <translation>Map link</translation>
    </message>
    <message>
        <source>Градуси</source>
        <translation>Degrees</translation>
    </message>
    <message>
        <source>Не надсилати</source>
        <translation>Do not send</translation>
    </message>
    <message>
        <source>Сервер</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Передача даних на сервер</source>
        <translation>Data upload to server</translation>
    </message>
    <message>
        <source>Передавати стан і координати на сервер моніторингу.</source>
        <translation>Send status and coordinates to the monitoring server.</translation>
    </message>
    <message>
        <source>Адреса сервера</source>
        <translation>Server address</translation>
    </message>
    <message>
        <source>Ім&apos;я або IP-адреса сервера моніторингу.</source>
        <translation>Name or IP address of the monitoring server.</translation>
    </message>
    <message>
        <source>Порт сервера</source>
        <translation>Server port</translation>
    </message>
    <message>
        <source>Порт сервера моніторингу.</source>
        <translation>Monitoring server port.</translation>
    </message>
    <message>
        <source>Протокол</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>Протокол обміну з сервером.</source>
        <translation>Server communication protocol.</translation>
    </message>
    <message>
        <source>TCP</source>
        <translation>TCP</translation>
    </message>
    <message>
        <source>UDP</source>
        <translation>UDP</translation>
    </message>
    <message>
        <source>MQTT</source>
        <translation>MQTT</translation>
    </message>
    <message>
        <source>Шифрування TLS</source>
        <translation>TLS encryption</translation>
    </message>
    <message>
        <source>Шифрувати з&apos;єднання з сервером.</source>
        <translation>Encrypt the connection to the server.</translation>
    </message>
    <message>
        <source>Інтервал передачі, с</source>
        <translation>Upload interval, s</translation>
    </message>
    <message>
        <source>Період надсилання стану під час руху.</source>
        <translation>Status sending period while driving.</translation>
    </message>
    <message>
        <source>Точка доступу (APN)</source>
        <translation>Access point (APN)</translation>
    </message>
    <message>
        <source>APN мобільного інтернету оператора.</source>
        <translation>Carrier&apos;s mobile internet APN.</translation>
    </message>
    <message>
        <source>Користувач APN</source>
        <translation>APN user</translation>
    </message>
    <message>
        <source>Ім&apos;я користувача APN, якщо оператор його вимагає.</source>
        <translation>APN user name, if the carrier requires it.</translation>
    </message>
    <message>
        <source>Ідентифікатор на сервері</source>
        <translation>Server ID</translation>
    </message>
    <message>
        <source>Номер пристрою в системі моніторингу.</source>
        <translation>Device number in the monitoring system.</translation>
    </message>
    <message>
        <source>Події для сповіщень</source>
        <translation>Notification events</translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Двері».</source>
        <translation>Notify owners of the “Doors” event.</translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Капот».</source>
        <translation>Notify owners of the “Hood” event.</translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Багажник».</source>
        <translation>Notify owners of the “Trunk” event.</translation>
    </message>
    <message>
        <source>Удар (попередження)</source>
        <translation>Shock (warning)</translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Удар (попередження)».</source>
        <translation>Notify owners of the “Shock (warning)” event.</translation>
    </message>
    <message>
        <source>Удар (тривога)</source>
        <translation>Shock (alarm)</translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Удар (тривога)».</source>
        <translation>Notify owners of the “Shock (alarm)” event.</translation>
    </message>
    <message>
        <source>Нахил (евакуація)</source>
        <translation>Tilt (towing)</translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Нахил (евакуація)».</source>
        <translation>Notify owners of the “Tilt (towing)” event.</translation>
    </message>
    <message>
        <source>Рух у салоні</source>
        <translation>Cabin motion</translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Рух у салоні».</source>
        <translation>Notify owners of the “Cabin motion” event.</translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Запалювання».</source>
        <translation>Notify owners of the “Ignition” event.</translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Низька напруга».</source>
        <translation>Notify owners of the “Low voltage” event.</translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Паніка».</source>
        <translation>Notify owners of the “Panic” event.</translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Автозапуск».</source>
        <translation>Notify owners of the “Remote start” event.</translation>
    </message>
    <message>
        <source>Зупинка двигуна</source>
        <translation>Engine stop</translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Зупинка двигуна».</source>
        <translation>Notify owners of the “Engine stop” event.</translation>
    </message>
    <message>
        <source>Втрата GPS</source>
        <translation>GPS loss</translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Втрата GPS».</source>
        <translation>Notify owners of the “GPS loss” event.</translation>
    </message>
    <message>
        <source>Вимкнення живлення</source>
        <translation>Power loss</translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Вимкнення живлення».</source>
        <translation>Notify owners of the “Power loss” event.</translation>
    </message>
    <message>
        <source>Вихід з геозони</source>
        <translation>Geofence exit</translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Вихід з геозони».</source>
        <translation>Notify owners of the “Geofence exit” event.</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>GPS-приймач увімкнено</source>
        <translation>GPS receiver on</translation>
    </message>
    <message>
        <source>Вмикає приймач супутникової навігації.</source>
        <translation>Turns on the satellite navigation receiver.</translation>
    </message>
    <message>
        <source>Останні координати</source>
        <translation>Last coordinates</translation>
    </message>
    <message>
        <source>Широта та довгота останнього визначення.</source>
        <translation>Latitude and longitude of the last fix.</translation>
    </message>
    <message>
        <source>Широта</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Широта в градусах.</source>
        <translation>Latitude in degrees.</translation>
    </message>
    <message>
        <source>Довгота</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Довгота в градусах.</source>
        <translation>Longitude in degrees.</translation>
    </message>
    <message>
        <source>Швидкість, км/год</source>
        <translation>Speed, km/h</translation>
    </message>
    <message>
        <source>Швидкість за даними GPS.</source>
        <translation>Speed from GPS data.</translation>
    </message>
    <message>
        <source>Висота, м</source>
        <translation>Altitude, m</translation>
    </message>
    <message>
        <source>Висота над рівнем моря.</source>
        <translation>Altitude above sea level.</translation>
    </message>
    <message>
        <source>Супутників видно</source>
        <translation>Satellites in view</translation>
    </message>
    <message>
        <source>Кількість видимих супутників.</source>
        <translation>Number of visible satellites.</translation>
    </message>
    <message>
        <source>Часовий пояс, год</source>
        <translation>Time zone, h</translation>
    </message>
    <message>
        <source>Зсув місцевого часу від UTC для журналу та SMS.</source>
        <translation>Local time offset from UTC for the log and SMS.</translation>
    </message>
    <message>
        <source>Інтервал запису треку, с</source>
        <translation>Track logging interval, s</translation>
    </message>
    <message>
        <source>Період запису точок маршруту під час руху.</source>
        <translation>Route point logging period while driving.</translation>
    </message>
    <message>
        <source>Сповіщати про перевищення швидкості</source>
        <translation>Speeding notification</translation>
    </message>
    <message>
        <source>Надсилати повідомлення, коли швидкість вища за поріг.</source>
        <translation>Send a message when the speed exceeds the threshold.</translation>
    </message>
    <message>
        <source>Поріг швидкості, км/год</source>
        <translation>Speed threshold, km/h</translation>
    </message>
    <message>
        <source>Поріг для сповіщення про перевищення швидкості.</source>
        <translation>Threshold for the speeding notification.</translation>
    </message>
    <message>
        <source>Радіус геозони, м</source>
        <translation>Geofence radius, m</translation>
    </message>
    <message>
        <source>Вихід за коло цього радіусу навколо місця стоянки вмикає сповіщення; 0 — вимкнено.</source>
        <translation>Leaving a circle of this radius around the parking spot triggers a notification; 0 — off.</translation>
    </message>
    <message>
        <source>h_2</source>
        <translation>h_2</translation>
    </message>
    <message>
        <source>Варіант виконання</source>
        <translation>Hardware variant</translation>
    </message>
    <message>
        <source>Заводський варіант комплектації основного блоку.</source>
        <translation>Factory configuration variant of the main unit.</translation>
    </message>
    <message>
        <source>X7 базовий</source>
        <translation>X7 basic</translation>
    </message>
    <message>
        <source>X7 GSM</source>
        <translation>X7 GSM</translation>
    </message>
    <message>
        <source>X7 GSM/GPS</source>
        <translation>X7 GSM/GPS</translation>
    </message>
    <message>
        <source>X7 GSM/GPS/Bluetooth</source>
        <translation>X7 GSM/GPS/Bluetooth</translation>
    </message>
    <message>
        <source>Регіон</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Регіональні налаштування частот і мов.</source>
        <translation>Regional frequency and language settings.</translation>
    </message>
    <message>
        <source>Україна</source>
        <translation>Ukraine</translation>
    </message>
    <message>
        <source>Європа</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Інший</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Заводський тест пройдено</source>
        <translation>Factory test passed</translation>
    </message>
    <message>
        <source>Позначка вихідного контролю.</source>
        <translation>Final inspection flag.</translation>
    </message>
    <message>
        <source>Режим виробництва</source>
        <translation>Production mode</translation>
    </message>
    <message>
        <source>Вимикає охорону та прискорює таймери для тестового стенда.</source>
        <translation>Disables arming and speeds up timers for the test bench.</translation>
    </message>
    <message>
        <source>Калібрування АЦП: живлення</source>
        <translation>ADC calibration: supply</translation>
    </message>
    <message>
        <source>Коефіцієнт каналу «живлення» у десятитисячних частках (10000 — без поправки).</source>
        <translation>Coefficient of the “supply” channel in ten-thousandths (10000 — no correction).</translation>
    </message>
    <message>
        <source>Калібрування АЦП: запалювання</source>
        <translation>ADC calibration: ignition</translation>
    </message>
    <message>
        <source>Коефіцієнт каналу «запалювання» у десятитисячних частках (10000 — без поправки).</source>
        <translation>Coefficient of the “ignition” channel in ten-thousandths (10000 — no correction).</translation>
    </message>
    <message>
        <source>Калібрування АЦП: габарити</source>
        <translation>ADC calibration: parking lights</translation>
    </message>
    <message>
        <source>Коефіцієнт каналу «габарити» у десятитисячних частках (10000 — без поправки).</source>
        <translation>Coefficient of the “parking lights” channel in ten-thousandths (10000 — no correction).</translation>
    </message>
    <message>
        <source>Калібрування АЦП: вхід 1</source>
        <translation>ADC calibration: input 1</translation>
    </message>
    <message>
        <source>Коефіцієнт каналу «вхід 1» у десятитисячних частках (10000 — без поправки).</source>
        <translation>Coefficient of the “input 1” channel in ten-thousandths (10000 — no correction).</translation>
    </message>
    <message>
        <source>Калібрування АЦП: вхід 2</source>
        <translation>ADC calibration: input 2</translation>
    </message>
    <message>
        <source>Коефіцієнт каналу «вхід 2» у десятитисячних частках (10000 — без поправки).</source>
        <translation>Coefficient of the “input 2” channel in ten-thousandths (10000 — no correction).</translation>
    </message>
    <message>
        <source>Калібрування АЦП: вхід 3</source>
        <translation>ADC calibration: input 3</translation>
    </message>
    <message>
        <source>Коефіцієнт каналу «вхід 3» у десятитисячних частках (10000 — без поправки).</source>
        <translation>Coefficient of the “input 3” channel in ten-thousandths (10000 — no correction).</translation>
    </message>
    <message>
        <source>Калібрування АЦП: вхід 4</source>
        <translation>ADC calibration: input 4</translation>
    </message>
    <message>
        <source>Коефіцієнт каналу «вхід 4» у десятитисячних частках (10000 — без поправки).</source>
        <translation>Coefficient of the “input 4” channel in ten-thousandths (10000 — no correction).</translation>
    </message>
    <message>
        <source>Калібрування АЦП: резервна батарея</source>
        <translation>ADC calibration: backup battery</translation>
    </message>
    <message>
        <source>Коефіцієнт каналу «резервна батарея» у десятитисячних частках (10000 — без поправки).</source>
        <translation>Coefficient of the “backup battery” channel in ten-thousandths (10000 — no correction).</translation>
    </message>
    <message>
        <source>Рівень журналу налагодження</source>
        <translation>Debug log level</translation>
    </message>
    <message>
        <source>Докладність журналу для розробників.</source>
        <translation>Log verbosity for developers.</translation>
    </message>
    <message>
        <source>Лише помилки</source>
        <translation>Errors only</translation>
    </message>
    <message>
        <source>Попередження</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <source>Інформація</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Усе</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Налагодження через USB</source>
        <translation>USB debugging</translation>
    </message>
    <message>
        <source>Виводити журнал налагодження в USB-порт.</source>
        <translation>Output the debug log to the USB port.</translation>
    </message>
    <message>
        <source>Сторожовий таймер</source>
        <translation>Watchdog timer</translation>
    </message>
    <message>
        <source>Перезапускати пристрій при зависанні прошивки.</source>
        <translation>Restart the device if the firmware hangs.</translation>
    </message>
    <message>
        <source>Тайм-аут сторожового таймера, мс</source>
        <translation>Watchdog timeout, ms</translation>
    </message>
    <message>
        <source>Час без відгуку прошивки до перезапуску.</source>
        <translation>Time without firmware response before a restart.</translation>
    </message>
    <message>
        <source>Версія формату налаштувань</source>
        <translation>Settings format version</translation>
    </message>
    <message>
        <source>Версія структури налаштувань у flash.</source>
        <translation>Version of the settings structure in flash.</translation>
    </message>
    <message>
        <source>Циклів запису у flash</source>
        <translation>Flash write cycles</translation>
    </message>
    <message>
        <source>Скільки разів налаштування зберігались у flash.</source>
        <translation>How many times the settings have been saved to flash.</translation>
    </message>
    <message>
        <source>Швидкий опит CAN</source>
        <translation>Fast CAN polling</translation>
    </message>
    <message>
        <source>Подвоєна частота опиту CAN-шини (більше споживання).</source>
        <translation>Doubled CAN bus polling rate (higher consumption).</translation>
    </message>
    <message>
        <source>Частота ядра</source>
        <translation>Core clock</translation>
    </message>
    <message>
        <source>Тактова частота процесора.</source>
        <translation>Processor clock frequency.</translation>
    </message>
    <message>
        <source>48 МГц</source>
        <translation>48 MHz</translation>
    </message>
    <message>
        <source>72 МГц</source>
        <translation>72 MHz</translation>
    </message>
    <message>
        <source>96 МГц</source>
        <translation>96 MHz</translation>
    </message>
    <message>
        <source>Поріг скидання по живленню, мВ</source>
        <translation>Power reset threshold, mV</translation>
    </message>
    <message>
        <source>Нижче цієї напруги процесор утримується в скиданні.</source>
        <translation>Below this voltage the processor is held in reset.</translation>
    </message>
    <message>
        <source>Затримка старту модемів, мс</source>
        <translation>Modem start delay, ms</translation>
    </message>
    <message>
        <source>Пауза після увімкнення перед запуском GSM і GPS.</source>
        <translation>Pause after power-up before starting GSM and GPS.</translation>
    </message>
    <message>
        <source>Обмін з модулем у тестовому режимі</source>
        <translation>Module link in test mode</translation>
    </message>
    <message>
        <source>Модуль відповідає тестовими пакетами.</source>
        <translation>The module replies with test packets.</translation>
    </message>
    <message>
        <source>Радіоканал: номер частоти</source>
        <translation>Radio channel: frequency number</translation>
    </message>
    <message>
        <source>Канал радіозв&apos;язку з підкапотним модулем (0–15).</source>
        <translation>Radio channel to the under-hood module (0–15).</translation>
    </message>
    <message>
        <source>Радіоканал: потужність</source>
        <translation>Radio channel: power</translation>
    </message>
    <message>
        <source>Потужність передавача радіоканалу.</source>
        <translation>Radio channel transmitter power.</translation>
    </message>
    <message>
        <source>Мінімальна</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Середня</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Максимальна</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Дозволити оновлення прошивки по радіо</source>
        <translation>Allow firmware update over radio</translation>
    </message>
    <message>
        <source>Модуль приймає нову прошивку через радіоканал.</source>
        <translation>The module accepts new firmware over the radio channel.</translation>
    </message>
    <message>
        <source>Блокувати сервісний режим</source>
        <translation>Lock service mode</translation>
    </message>
    <message>
        <source>Забороняє вхід у сервісний режим кнопкою Valet.</source>
        <translation>Prohibits entering service mode with the Valet button.</translation>
    </message>
    <message>
        <source>Лічильник тривог</source>
        <translation>Alarm counter</translation>
    </message>
    <message>
        <source>Кількість тривог з моменту виготовлення.</source>
        <translation>Number of alarms since manufacture.</translation>
    </message>
    <message>
        <source>Лічильник автозапусків</source>
        <translation>Remote start counter</translation>
    </message>
    <message>
        <source>Кількість дистанційних запусків.</source>
        <translation>Number of remote starts.</translation>
    </message>
    <message>
        <source>Скинути лічильники</source>
        <translation>Reset counters</translation>
    </message>
    <message>
        <source>Обнуляє лічильники при наступному збереженні.</source>
        <translation>Clears the counters at the next save.</translation>
    </message>
    <message>
        <source>Перевірка підпису прошивки</source>
        <translation>Firmware signature check</translation>
    </message>
    <message>
        <source>Приймати лише підписані оновлення прошивки.</source>
        <translation>Accept only signed firmware updates.</translation>
    </message>
    <message>
        <source>Тестовий сигнал сирени</source>
        <translation>Siren test signal</translation>
    </message>
    <message>
        <source>Поки увімкнено, сирена звучить короткими сигналами раз на 5 с.</source>
        <translation>While on, the siren sounds short chirps every 5 s.</translation>
    </message>
    <message>
        <source>Ідентифікатор партії</source>
        <translation>Batch ID</translation>
    </message>
    <message>
        <source>Номер виробничої партії.</source>
        <translation>Production batch number.</translation>
    </message>
    <message>
        <source>Режим економії на складі</source>
        <translation>Storage power-saving mode</translation>
    </message>
    <message>
        <source>Глибокий сон до першого підключення до автомобіля.</source>
        <translation>Deep sleep until the first connection to a vehicle.</translation>
    </message>
    <message>
        <source>Контроль струму виходів</source>
        <translation>Output current monitoring</translation>
    </message>
    <message>
        <source>Вимикати вихід при перевантаженні.</source>
        <translation>Turn off an output on overload.</translation>
    </message>
    <message>
        <source>Затримка вимкнення USB, с</source>
        <translation>USB shutdown delay, s</translation>
    </message>
    <message>
        <source>Скільки USB залишається активним після відключення зовнішнього живлення.</source>
        <translation>How long USB stays active after external power is disconnected.</translation>
    </message>
</context>
</TS>
