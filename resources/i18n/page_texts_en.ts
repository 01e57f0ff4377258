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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Охорона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автоматична постановка під охорону</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ставити під охорону, коли після вимкнення запалювання всі двері зачинено і мине затримка.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Затримка автопостановки, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Час від зачинення останніх дверей до автоматичної постановки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повторна постановка, якщо двері не відчинили</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знову ставити під охорону, якщо після зняття брелоком жодні двері не відчинили протягом 30 с.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тривалість тривоги, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скільки звучить сирена за одне спрацювання.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тиха охорона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не вмикати сирену при постановці та знятті, лише поворотники.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Спосіб постановки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чим пристрій ставиться під охорону і знімається з неї.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Брелок або телефон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мітка Bluetooth (hands free)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мітка та кнопка на ручці</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сигнали</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Звукове підтвердження</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чим підтверджувати постановку та зняття з охорони.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сирена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Клаксон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лише поворотники</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гучність сирени, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гучність сирени для підтверджень (на тривогу не впливає).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Спалахи поворотників при постановці</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скільки разів блимають поворотники при постановці під охорону.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тривалість сигналу клаксона, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тривалість одного короткого сигналу клаксона.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Підсвітка салону при тривозі</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вмикати підсвітку салону під час тривоги.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нагадування про відчинені двері</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подавати сигнал, якщо при постановці залишились відчинені двері, капот або багажник.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Замки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закривати замки при постановці</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закривати центральний замок при постановці під охорону.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Відкривати замки при знятті</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Відкривати центральний замок при знятті з охорони.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Керування замками</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Форма імпульсів на виходах замків.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Один імпульс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подвійний імпульс відкриття</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тривалий імпульс (комфорт)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тривалість імпульсу замків, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тривалість імпульсу на виходах закриття та відкриття замків.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закривати замки при початку руху</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закривати замки, коли швидкість перевищить 10 км/год.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закривання вікон (комфорт), с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тривалість сигналу закривання вікон після постановки; 0 — не закривати.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лінії</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напруга, виміряна на проводі живлення основного блоку.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напруга на лінії запалювання, В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напруга на дротовому вході запалювання.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напруга на лінії габаритів, В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напруга на виході габаритних вогнів.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поріг низької напруги, В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нижче цієї напруги пристрій надсилає попередження про розряд акумулятора.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поріг напруги працюючого двигуна, В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вища напруга вважається ознакою роботи двигуна, якщо тахометр не підключено.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поправка вимірювання напруги, В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Додається до виміряної напруги для узгодження з вольтметром.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перехідник входу 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вхід ліворуч отримує сигнал через перехідник від входу праворуч; з інверсією сигнал перевертається.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перехідник входу 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Другий перехідник між логічним та фізичним входом.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перехідник виходу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фізичний вихід ліворуч повторює логічний вихід праворуч через перехідник.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Входи основного блоку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 1
(синій провід)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан дротового входу 1 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 2
(синьо-білий провід)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан дротового входу 2 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 3
(зелений провід)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан дротового входу 3 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 4
(зелено-чорний провід)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан дротового входу 4 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 5
(сірий провід)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан дротового входу 5 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 6
(сіро-червоний провід)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан дротового входу 6 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 7
(жовтий провід)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан дротового входу 7 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 8
(жовто-чорний провід)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан дротового входу 8 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 9
(фіолетовий провід)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан дротового входу 9 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 10
(оранжевий провід)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан дротового входу 10 основного блоку. Праворуч оберіть функцію, яку виконує цей вхід; «Інверсія» міняє активний рівень.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Виходи основного блоку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 1 (−, 300 мА)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан мінусового виходу 1 основного блоку. Праворуч оберіть функцію, яку він виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 2 (−, 300 мА)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан мінусового виходу 2 основного блоку. Праворуч оберіть функцію, яку він виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 3 (−, 300 мА)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан мінусового виходу 3 основного блоку. Праворуч оберіть функцію, яку він виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 4 (−, 300 мА)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан мінусового виходу 4 основного блоку. Праворуч оберіть функцію, яку він виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 5 (−, 300 мА)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан мінусового виходу 5 основного блоку. Праворуч оберіть функцію, яку він виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 6 (−, 300 мА)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан мінусового виходу 6 основного блоку. Праворуч оберіть функцію, яку він виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 7 (+, 2 А)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан плюсового виходу 7 основного блоку. Праворуч оберіть функцію, яку він виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 8 (+, 2 А)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан плюсового виходу 8 основного блоку. Праворуч оберіть функцію, яку він виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реле блокування (НЗ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нормально замкнене реле основного блоку, 10 А. Розриває коло при блокуванні двигуна.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реле блокування (НР)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нормально розімкнене реле основного блоку, 10 А.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчики </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вмикає вбудований акселерометр як датчик удару.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чутливість попереджувальної зони</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чутливість до слабких ударів, що дають короткий попереджувальний сигнал. Більше — чутливіше.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чутливість тривожної зони</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чутливість до сильних ударів, що вмикають тривогу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тривога при піднятті автомобіля домкратом або евакуаторі.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поріг нахилу, десяті частки градуса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зміна нахилу кузова, що вважається евакуацією.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчик руху в салоні</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мікрохвильовий датчик об&apos;єму салону.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чутливість датчика руху</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зменште, якщо датчик спрацьовує від вітру чи дощу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вимикати датчики при автозапуску</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не реагувати на датчики удару та руху, поки двигун працює після дистанційного запуску.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пропуск хибних спрацювань</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скільки спрацювань поспіль пропустити, перш ніж вмикати тривогу; 0 — тривога з першого.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Підкапотний модуль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль підключено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Основний блок бачить підкапотний модуль на шині.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Серійний номер модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Серійний номер підкапотного модуля.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Версія прошивки модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Версія прошивки підкапотного модуля.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напруга живлення модуля, В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напруга на вході живлення модуля.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура модуля, °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура всередині модуля.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Помилок зв&apos;язку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кількість втрачених пакетів між основним блоком і модулем.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зв&apos;язок з основним блоком</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Спосіб з&apos;єднання модуля з основним блоком.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LIN-шина</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дротова шина</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Радіоканал 868 МГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Адреса модуля на шині</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Адреса модуля, якщо на шині кілька модулів.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поправка температури, °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Додається до виміряної температури модуля.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поправка напруги, мВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Додається до виміряної напруги модуля.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Назва модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Назва модуля в журналі подій.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зареєструвати новий модуль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Після увімкнення пристрій чекає на новий модуль 60 с.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Входи модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід модуля 1: капот (кінцевик)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан входу 1 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вхід.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 1: тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мінусовий вхід активний при замиканні на масу, плюсовий — при подачі +12 В, аналоговий порівнює напругу з порогом.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мінусовий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Плюсовий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аналоговий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 1: поріг, В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поріг спрацювання аналогового входу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 1: фільтр, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сигнал коротший за цей час не враховується.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 1: затримка, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Затримка реакції на зміну стану входу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 1: назва</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коротка назва входу для журналу подій.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід модуля 2: тахометр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан входу 2 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вхід.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 2: тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 2: поріг, В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 2: фільтр, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 2: затримка, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 2: назва</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід модуля 3: педаль гальма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан входу 3 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вхід.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 3: тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 3: поріг, В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 3: фільтр, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 3: затримка, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 3: назва</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід модуля 4: ручне гальмо</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан входу 4 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вхід.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 4: тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 4: поріг, В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 4: фільтр, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 4: затримка, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 4: назва</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід модуля 5: датчик оливи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан входу 5 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вхід.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 5: тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 5: поріг, В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 5: фільтр, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 5: затримка, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 5: назва</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід модуля 6: запалювання</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан входу 6 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вхід.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 6: тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 6: поріг, В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 6: фільтр, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 6: затримка, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 6: назва</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід модуля 7: ACC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан входу 7 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вхід.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 7: тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 7: поріг, В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 7: фільтр, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 7: затримка, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 7: назва</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід модуля 8: резерв</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан входу 8 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вхід.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 8: тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 8: поріг, В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 8: фільтр, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 8: затримка, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вхід 8: назва</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Виходи модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід модуля 1 (+): Запалювання 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан виходу 1 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вихід.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 1: режим</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Як вихід відтворює сигнал призначеної функції.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Постійний</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Імпульс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Переривчастий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Постійний з інверсією</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 1: тривалість імпульсу, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тривалість імпульсу в імпульсному режимі.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 1: затримка увімкнення, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Затримка між командою та увімкненням виходу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 1: період переривання, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Період у переривчастому режимі.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 1: струм захисту, А</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід вимикається при перевищенні цього струму.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 1: назва</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коротка назва виходу для журналу подій.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід модуля 2 (+): Запалювання 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан виходу 2 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вихід.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 2: режим</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 2: тривалість імпульсу, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 2: затримка увімкнення, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 2: період переривання, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 2: струм захисту, А</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 2: назва</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід модуля 3 (+): Стартер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан виходу 3 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вихід.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 3: режим</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 3: тривалість імпульсу, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 3: затримка увімкнення, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 3: період переривання, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 3: струм захисту, А</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 3: назва</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід модуля 4 (+): Аксесуари</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан виходу 4 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вихід.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 4: режим</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 4: тривалість імпульсу, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 4: затримка увімкнення, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 4: період переривання, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 4: струм захисту, А</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 4: назва</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід модуля 5 (−): Склопідйомники</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан виходу 5 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вихід.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 5: режим</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 5: тривалість імпульсу, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 5: затримка увімкнення, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 5: період переривання, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 5: струм захисту, А</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 5: назва</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід модуля 6 (−): Мінус 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан виходу 6 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вихід.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 6: режим</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 6: тривалість імпульсу, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 6: затримка увімкнення, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 6: період переривання, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 6: струм захисту, А</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 6: назва</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід модуля 7 (+): Габарити</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан виходу 7 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вихід.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 7: режим</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 7: тривалість імпульсу, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 7: затримка увімкнення, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 7: період переривання, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 7: струм захисту, А</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 7: назва</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід модуля 8 (+): Плюс 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан виходу 8 підкапотного модуля. Праворуч оберіть логічну функцію, яку виконує вихід.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 8: режим</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 8: тривалість імпульсу, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 8: затримка увімкнення, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 8: період переривання, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 8: струм захисту, А</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід 8: назва</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Функції входів і виходів</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вхід «Двері». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вхід «Капот». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вхід «Багажник». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ручне гальмо</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вхід «Ручне гальмо». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Педаль гальма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вхід «Педаль гальма». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тахометр (двигун працює)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вхід «Тахометр (двигун працює)». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кнопка Valet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вхід «Кнопка Valet». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аварійна кнопка (паніка)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вхід «Аварійна кнопка (паніка)». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Штатна охорона знята</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вхід «Штатна охорона знята». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АКПП у положенні P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вхід «АКПП у положенні P». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вхід «Запалювання». Праворуч оберіть фізичний вхід, з якого він бере сигнал.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вихід «Сирена». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поворотники</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вихід «Поворотники». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Замки: закрити</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вихід «Замки: закрити». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Замки: відкрити</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вихід «Замки: відкрити». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вихід «Клаксон». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запалювання 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вихід «Запалювання 1». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запалювання 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вихід «Запалювання 2». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стартер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вихід «Стартер». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аксесуари (ACC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вихід «Аксесуари (ACC)». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обхідник імобілайзера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вихід «Обхідник імобілайзера». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Підсвітка салону</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вихід «Підсвітка салону». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Склопідйомники</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вихід «Склопідйомники». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Габарити</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вихід «Габарити». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блокування двигуна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вихід «Блокування двигуна». Праворуч оберіть фізичний вихід, що його виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запалювання від входу модуля 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Увімкніть, щоб логічний вхід «Запалювання» брав сигнал з цього джерела.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запалювання від входу модуля 7 (ACC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запалювання від входу 6 основного блоку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блокування, капот і сервіс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реле блокування модуля 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан реле блокування підкапотного модуля. Реле обирають у контурах на сторінці «Блокування двигуна».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реле 1: тип контакту</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нормально замкнене реле розриває коло при блокуванні, нормально розімкнене — замикає.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нормально замкнений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нормально розімкнений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реле 1: затримка, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Затримка спрацювання реле після команди блокування.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реле 1: імпульсне блокування</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Переривати коло імпульсами, імітуючи несправність, замість повного розриву.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реле 1: назва кола</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Яке коло автомобіля розриває реле (для журналу).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реле блокування модуля 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реле 2: тип контакту</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реле 2: затримка, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реле 2: імпульсне блокування</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реле 2: назва кола</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реле блокування модуля 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реле 3: тип контакту</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реле 3: затримка, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реле 3: імпульсне блокування</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реле 3: назва кола</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Замок капота встановлено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Підкапотний модуль керує електромеханічним замком капота.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип замка капота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип приводу замка капота.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Електромеханічний</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Електромагнітний</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Актуатор двопровідний</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закривати капот при постановці</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закривати замок капота разом з центральним замком.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Відкривати капот при знятті</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Відкривати замок капота при знятті з охорони.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Імпульс замка капота, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тривалість імпульсу на привід замка капота.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повторне закривання, разів</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скільки разів повторити закривання, якщо датчик не підтвердив.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Відкривати капот лише з міткою</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Капот відкривається лише за присутності зареєстрованої мітки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аварійне відкриття капота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дозволити відкриття капота сервісним кодом при розрядженому акумуляторі.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчик положення замка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Замок капота зачинено (за датчиком).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Струм приводу замка, А</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Струм останнього спрацювання приводу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сирена модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Використовувати сирену, підключену до модуля.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гучність сирени модуля, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гучність сирени модуля.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автономне живлення сирени</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сирена має власний акумулятор.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчик температури двигуна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>До модуля підключено датчик температури двигуна.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура двигуна, °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показ датчика температури двигуна.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поправка датчика температури двигуна, °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Додається до показу датчика.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Контроль тиску оливи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зупиняти автозапуск при низькому тиску оливи.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тест виходів модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поки увімкнено, виходи модуля по черзі вмикаються на 1 с.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим сну модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коли модуль переходить у сон для економії енергії.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ніколи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Після бездіяльності</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Час до сну, хв</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Бездіяльність, після якої модуль засинає.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пробудження від CAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Будити модуль активністю на CAN-шині.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Журнал модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записувати події модуля в журнал основного блоку.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN/LIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN-шина 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Підключення до основної CAN-шини автомобіля.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN-шина 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Підключення до другої CAN-шини (комфорт).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Підключення до LIN-шини автомобіля.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лише прослуховування CAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не передавати в шину нічого, лише читати стан автомобіля.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Термінатор CAN1 (120 Ом)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Увімкніть, якщо пристрій підключено на кінці шини.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Термінатор CAN2 (120 Ом)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Увімкніть, якщо пристрій підключено на кінці другої шини.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Будити шину перед командою</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Надсилати кадр пробудження перед командами автомобілю.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закривати замки через CAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Керувати штатним центральним замком командами CAN.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Відкривати замки через CAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Відкривати штатний замок командами CAN.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Складати дзеркала через CAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Складати дзеркала при постановці під охорону.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закривати вікна через CAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закривати вікна та люк при постановці під охорону.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аварійна сигналізація через CAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блимати поворотниками командами CAN замість дротів.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вимикати штатну охорону через CAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знімати штатну охорону перед автозапуском.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Керування підігрівачем через LIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вмикати автономний підігрівач командами LIN.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN-бібліотека</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код автомобіля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер автомобіля в CAN-бібліотеці; задає розбір кадрів шини.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автомобіль за кодом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Марка та модель, що відповідають коду.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Швидкість CAN1, кбіт/с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Швидкість основної шини, визначена пристроєм.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Швидкість CAN2, кбіт/с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Швидкість другої шини.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прийнято кадрів CAN1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лічильник кадрів з моменту увімкнення.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прийнято кадрів CAN2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Помилок шини</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лічильник помилок обох шин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автовизначення швидкості</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Визначати швидкість шини автоматично при підключенні.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сигнали з CAN-шини</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN: запалювання</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стан, прочитаний з CAN-шини. Може бути джерелом логічного входу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN: ключ у положенні ACC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN: двері водія</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN: двері пасажирів</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN: багажник</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN: капот</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN: ручне гальмо</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN: педаль гальма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN: двигун працює</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN: штатний брелок — закрити</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN: штатний брелок — відкрити</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN: АКПП у положенні P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Керування через CAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запалювання з CAN-шини</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вхід «Запалювання» бере сигнал з CAN-шини.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запалювання з CAN (ключ ACC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логічний вхід «Запалювання» бере сигнал положення ключа ACC з CAN-шини.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифрове блокування двигуна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блокувати двигун командою в CAN-шину; обирається в контурах на сторінці «Блокування двигуна».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закривати замки штатним брелоком</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реагувати на натискання штатного брелока.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ставити під охорону штатним брелоком</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Постановка та зняття штатним брелоком.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Складати дзеркала при постановці</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Команда складання дзеркал у CAN-шину.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закривати вікна при постановці</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Команда закривання вікон у CAN-шину.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вимикати штатну охорону</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знімати штатну охорону перед дистанційним запуском.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Емуляція штатного ключа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обхід штатного імобілайзера без ключа в салоні.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Затримка після пробудження, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пауза між пробудженням шини та командою.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повторів команди</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скільки разів повторювати команду в шину.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Авто</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автомобіль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Марка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Марка автомобіля. Задає набір типових налаштувань.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Інша</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toyota</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volkswagen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skoda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyundai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nissan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mazda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ford</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercedes-Benz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип кузова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип кузова автомобіля.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Седан</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Хетчбек</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Універсал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кросовер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Позашляховик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мінівен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пікап</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип двигуна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Від типу двигуна залежить алгоритм запуску.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Бензиновий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дизельний</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гібрид</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Газ/бензин</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коробка передач</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Для механічної коробки автозапуск вимагає програмної нейтралі.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Механічна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автоматична</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Робот</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Варіатор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запуск двигуна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Як автомобіль запускається штатно.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ключем</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кнопкою Start/Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Штатні системи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Штатний імобілайзер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Як обходити штатний імобілайзер при дистанційному запуску.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обхідник з ключем</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Безключовий обхід через CAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Штатна охорона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чи є в автомобілі штатна охоронна система.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Є, керувати через CAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Є, керувати дротами</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Центральний замок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Як пристрій керує центральним замком.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дроти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN-шина</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Як пристрій вмикає поворотники.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоянкове гальмо</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип стоянкового гальма.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Механічне</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Електричне</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автозапуск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дистанційний запуск дозволено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дозволяє запуск двигуна з брелока, телефону або за розкладом.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тривалість роботи двигуна, хв</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Через цей час після дистанційного запуску двигун зупиняється.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Спроб запуску</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скільки разів пробувати запустити двигун, якщо він не завівся.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прокручування стартера, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Найбільший час роботи стартера за одну спробу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напруга підтвердження запуску, В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напруга бортової мережі, вище якої двигун вважається запущеним, якщо тахометр не підключено.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запуск за низької температури</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запускати двигун, коли температура двигуна нижче -18 °C.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вмикає блокування двигуна при знятті з охорони без мітки або коду.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим блокування</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коли двигун блокується.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лише під охороною</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Завжди без мітки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Контури блокування</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Контур 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим першого контуру. Праворуч оберіть реле, яке його виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Розривати коло</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Замикати коло</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Імпульсне блокування</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Контур 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим другого контуру. Праворуч оберіть реле, яке його виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Контур 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим третього контуру. Праворуч оберіть реле, яке його виконує.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Затримка блокування після запуску, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Двигун глохне через цей час після запуску без мітки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блокувати при швидкості до, км/год</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вище цієї швидкості блокування відкладається до зупинки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код зі штатних кнопок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знімати блокування послідовністю натискань штатних кнопок.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Натискань у коді</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Довжина коду зі штатних кнопок.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блокувати при тривозі</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блокувати двигун, поки триває тривога.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блокувати при втраті мітки в русі</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Після зупинки блокувати двигун, якщо мітка зникла під час руху.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сигнал при спробі запуску</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коротка тривога, якщо хтось намагається запустити заблокований двигун.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль Bluetooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluetooth увімкнено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вмикає модуль Bluetooth для міток і застосунку.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ім&apos;я пристрою</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ім&apos;я, яке бачить смартфон при пошуку.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Адреса модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Адреса Bluetooth основного блоку.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потужність передавача, дБм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Менша потужність зменшує дальність і споживання.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Видимість</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коли пристрій видно для нових смартфонів.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прихований</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лише в режимі реєстрації</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Завжди</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим hands free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дії при наближенні та віддаленні мітки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знімати з охорони при наближенні</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знімати та ставити автоматично</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Відстань постановки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На якій відстані від мітки ставити під охорону.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Близько (до 3 м)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Середньо (до 7 м)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Далеко (до 15 м)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сигнал при втраті мітки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коротко подати сигнал, якщо мітка зникла при працюючому двигуні.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зареєстровано міток</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скільки міток записано в пам&apos;ять.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Застосунок для смартфона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дозволити керування з застосунку через Bluetooth.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реєстрація нової мітки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Після увімкнення пристрій 30 с чекає на нову мітку.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Видалити всі мітки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стирає всі мітки з пам&apos;яті при наступному знятті з охорони.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мітка 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мітка 1 записана в пам&apos;ять пристрою.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Назва</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ім&apos;я мітки для журналу та повідомлень.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ідентифікатор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Адреса мітки Bluetooth, заповнюється при реєстрації.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип пристрою, що використовується як мітка.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Брелок-мітка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смартфон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Браслет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поріг присутності, дБм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мітка вважається поруч, коли сигнал сильніший за поріг.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поріг відсутності, дБм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мітка вважається відсутньою, коли сигнал слабший за поріг.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сигнал зараз, дБм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поточний рівень сигналу мітки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заряд батареї, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заряд батареї мітки за її останнім звітом.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знімати з охорони</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мітка може знімати з охорони при наближенні.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дозволити автозапуск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мітка може запускати двигун.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мітка 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мітка 2 записана в пам&apos;ять пристрою.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мітка 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мітка 3 записана в пам&apos;ять пристрою.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мітка 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мітка 4 записана в пам&apos;ять пристрою.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль і SIM-картка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM-модуль увімкнено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вмикає GSM-модуль для дзвінків, SMS та сервера.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMEI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ідентифікатор GSM-модуля.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер SIM-картки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер SIM-картки пристрою, для довідки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оператор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мережа, в якій зареєстровано модуль.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Баланс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Відповідь оператора на останній запит балансу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSD-запит балансу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код запиту балансу вашого оператора.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Енергозбереження</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коли модуль переходить у режим низького споживання.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Завжди, крім тривоги</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN-код SIM-картки потрібен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM-картка захищена PIN-кодом (вимкніть його в телефоні, якщо можливо).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Власник 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер телефону</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер у міжнародному форматі, наприклад +380671234567.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дзвінок при тривозі</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дзвонити на цей номер при тривозі.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS при тривозі</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Надсилати SMS з причиною тривоги.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS про постановку та зняття</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повідомляти про зміну режиму охорони.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Керування з цього номера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Приймати команди дзвінком та SMS з цього номера.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мова повідомлень</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мова SMS для цього номера.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Українська</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Власник 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Власник 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Власник 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дзвінки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Спроб дозвону</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скільки разів пробувати додзвонитися на кожен номер.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тривалість дзвінка, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скільки чекати відповіді на дзвінок.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пауза між спробами, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пауза перед повторним дзвінком.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автовідповідь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пристрій відповідає на дзвінок з номера власника.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прослуховування салону</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вмикати мікрофон у салоні під час дзвінка.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Голосове меню</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Керування тоновим набором під час дзвінка.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS про низьку напругу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повідомлення, коли напруга нижче порогу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS про автозапуск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повідомлення про запуск і зупинку двигуна.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS про втрату мітки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повідомлення, якщо мітка зникла під час руху.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Щоденний звіт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раз на добу надсилати стан автомобіля.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Година щоденного звіту</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Година (0–23) надсилання звіту.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Підпис повідомлень</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текст на початку кожного SMS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ліміт SMS на добу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Більше SMS за добу пристрій не надсилає; 0 — без ліміту.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формат координат</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Як передавати місцезнаходження в SMS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Посилання на карту</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Градуси</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не надсилати</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сервер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Передача даних на сервер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Передавати стан і координати на сервер моніторингу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Адреса сервера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ім&apos;я або IP-адреса сервера моніторингу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порт сервера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порт сервера моніторингу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Протокол</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Протокол обміну з сервером.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MQTT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шифрування TLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шифрувати з&apos;єднання з сервером.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Інтервал передачі, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Період надсилання стану під час руху.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Точка доступу (APN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN мобільного інтернету оператора.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Користувач APN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ім&apos;я користувача APN, якщо оператор його вимагає.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ідентифікатор на сервері</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер пристрою в системі моніторингу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Події для сповіщень</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Двері».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Капот».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Багажник».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удар (попередження)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Удар (попередження)».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удар (тривога)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Удар (тривога)».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нахил (евакуація)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Нахил (евакуація)».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рух у салоні</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Рух у салоні».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Запалювання».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Низька напруга».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Паніка».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Автозапуск».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зупинка двигуна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Зупинка двигуна».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Втрата GPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Втрата GPS».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вимкнення живлення</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Вимкнення живлення».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід з геозони</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сповіщати власників про подію «Вихід з геозони».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS-приймач увімкнено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вмикає приймач супутникової навігації.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Останні координати</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Широта та довгота останнього визначення.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Широта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Широта в градусах.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Довгота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Довгота в градусах.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Швидкість, км/год</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Швидкість за даними GPS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Висота, м</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Висота над рівнем моря.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Супутників видно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кількість видимих супутників.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Часовий пояс, год</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зсув місцевого часу від UTC для журналу та SMS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Інтервал запису треку, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Період запису точок маршруту під час руху.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сповіщати про перевищення швидкості</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Надсилати повідомлення, коли швидкість вища за поріг.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поріг швидкості, км/год</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поріг для сповіщення про перевищення швидкості.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Радіус геозони, м</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вихід за коло цього радіусу навколо місця стоянки вмикає сповіщення; 0 — вимкнено.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h_2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Варіант виконання</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заводський варіант комплектації основного блоку.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X7 базовий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X7 GSM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X7 GSM/GPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X7 GSM/GPS/Bluetooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Регіон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Регіональні налаштування частот і мов.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Україна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Європа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Інший</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заводський тест пройдено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Позначка вихідного контролю.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим виробництва</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вимикає охорону та прискорює таймери для тестового стенда.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калібрування АЦП: живлення</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коефіцієнт каналу «живлення» у десятитисячних частках (10000 — без поправки).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калібрування АЦП: запалювання</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коефіцієнт каналу «запалювання» у десятитисячних частках (10000 — без поправки).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калібрування АЦП: габарити</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коефіцієнт каналу «габарити» у десятитисячних частках (10000 — без поправки).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калібрування АЦП: вхід 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коефіцієнт каналу «вхід 1» у десятитисячних частках (10000 — без поправки).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калібрування АЦП: вхід 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коефіцієнт каналу «вхід 2» у десятитисячних частках (10000 — без поправки).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калібрування АЦП: вхід 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коефіцієнт каналу «вхід 3» у десятитисячних частках (10000 — без поправки).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калібрування АЦП: вхід 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коефіцієнт каналу «вхід 4» у десятитисячних частках (10000 — без поправки).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калібрування АЦП: резервна батарея</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коефіцієнт каналу «резервна батарея» у десятитисячних частках (10000 — без поправки).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рівень журналу налагодження</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Докладність журналу для розробників.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лише помилки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Попередження</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Інформація</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Усе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Налагодження через USB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Виводити журнал налагодження в USB-порт.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сторожовий таймер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перезапускати пристрій при зависанні прошивки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тайм-аут сторожового таймера, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Час без відгуку прошивки до перезапуску.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Версія формату налаштувань</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Версія структури налаштувань у flash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Циклів запису у flash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скільки разів налаштування зберігались у flash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Швидкий опит CAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подвоєна частота опиту CAN-шини (більше споживання).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частота ядра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тактова частота процесора.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>48 МГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>72 МГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>96 МГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поріг скидання по живленню, мВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нижче цієї напруги процесор утримується в скиданні.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Затримка старту модемів, мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пауза після увімкнення перед запуском GSM і GPS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обмін з модулем у тестовому режимі</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль відповідає тестовими пакетами.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Радіоканал: номер частоти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Канал радіозв&apos;язку з підкапотним модулем (0–15).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Радіоканал: потужність</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потужність передавача радіоканалу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мінімальна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Середня</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимальна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дозволити оновлення прошивки по радіо</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль приймає нову прошивку через радіоканал.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блокувати сервісний режим</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Забороняє вхід у сервісний режим кнопкою Valet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лічильник тривог</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кількість тривог з моменту виготовлення.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лічильник автозапусків</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кількість дистанційних запусків.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скинути лічильники</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обнуляє лічильники при наступному збереженні.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перевірка підпису прошивки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Приймати лише підписані оновлення прошивки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тестовий сигнал сирени</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поки увімкнено, сирена звучить короткими сигналами раз на 5 с.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ідентифікатор партії</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер виробничої партії.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим економії на складі</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Глибокий сон до першого підключення до автомобіля.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Контроль струму виходів</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вимикати вихід при перевантаженні.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Затримка вимкнення USB, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скільки USB залишається активним після відключення зовнішнього живлення.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
