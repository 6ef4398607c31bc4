<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Velkaro for Hamachi</source>
        <translation>Velkaro для Hamachi</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;if not installed - will be downloaded and installed automatically&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;or installed from launcher package.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;если не установлен, будет загружен и установлен автоматически&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;или установлен из пакета лаунчера.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>ForceBindIP installed?</source>
        <translation>ForceBindIP установлен?</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Detected operating system that may cause a lot of &lt;/span&gt;&lt;span style=&quot; font-size:8pt; color:#0600ca;&quot;&gt;pallete problems&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Also &lt;/span&gt;&lt;span style=&quot; font-size:8pt; color:#ef0000;&quot;&gt;firewall problems&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt; may come.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Launcher will perform &lt;/span&gt;&lt;span style=&quot; font-size:8pt; color:#00ac0b;&quot;&gt;special tricks&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt; on these systems to prevent lags.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Обнаружена операционная система, которая может вызвать много &lt;/span&gt;&lt;span style=&quot; font-size:8pt; color:#0600ca;&quot;&gt;проблем с палитрой&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Также возможны &lt;/span&gt;&lt;span style=&quot; font-size:8pt; color:#ef0000;&quot;&gt;проблемы с брандмауэром&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Лаунчер применит &lt;/span&gt;&lt;span style=&quot; font-size:8pt; color:#00ac0b;&quot;&gt;особые приёмы&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt; в этих системах, чтобы избежать задержек.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Detected OS Windows Vista(6), 7 or later</source>
        <translation>Обнаружена ОС Windows Vista (6), 7 или новее</translation>
    </message>
    <message>
        <source>Will write exception on specified starcraft.exe</source>
        <translation>Добавит исключение для указанного starcraft.exe</translation>
    </message>
    <message>
        <source>Add &amp;FireWall exception</source>
        <translation>Добавить исключение в &amp;брандмауэр</translation>
    </message>
    <message>
        <source>Will set up compability parameters</source>
        <translation>Настроит параметры совместимости</translation>
    </message>
    <message>
        <source>&amp;Setup executable compability parameters</source>
        <translation>Настроить параметры &amp;совместимости программы</translation>
    </message>
    <message>
        <source>Run display properties dialog on foreground and set compability flags</source>
        <translation>Открыть свойства экрана поверх окон и установить флаги совместимости</translation>
    </message>
    <message>
        <source>Perform pallete correction &amp;tricks</source>
        <translation>Приёмы коррекции &amp;палитры</translation>
    </message>
    <message>
        <source>Will start SC.exe as administrator</source>
        <translation>Запустит SC.exe от имени администратора</translation>
    </message>
    <message>
        <source>&amp;Run as Administrator</source>
        <translation>Запуск от имени &amp;администратора</translation>
    </message>
    <message>
        <source>StarCraft Path (.exe or dir)</source>
        <translation>Путь к StarCraft (.exe или папка)</translation>
    </message>
    <message>
        <source>Must be correct path to starcraft.exe (whatever the name). If you wish, you can run another application with this launcher, for it may help with artifacts.</source>
        <translation>Должен быть верный путь к starcraft.exe (имя может быть любым). При желании этим лаунчером можно запустить и другую программу: это может помочь избавиться от артефактов изображения.</translation>
    </message>
    <message>
        <source>Browse to find starcraft.exe or other application</source>
        <translation>Найти starcraft.exe или другую программу</translation>
    </message>
    <message>
        <source>Browse to find starcraft.exe</source>
        <translation>Найти starcraft.exe</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Bind game to network (Hamachi is default if found)</source>
        <translation>Привязать игру к сети (по умолчанию Hamachi, если найдена)</translation>
    </message>
    <message>
        <source>This is disabled when no Hamachi network, or it does not have connectivity (no IP resolved).</source>
        <translation>Недоступно, если сети Hamachi нет или у неё нет связи (IP-адрес не получен).</translation>
    </message>
    <message>
        <source>&amp;Hamachi network</source>
        <translation>Се&amp;ть Hamachi</translation>
    </message>
    <message>
        <source>Alternatively select network to bind to Starcraft at launch</source>
        <translation>Или выберите сеть, к которой привязать Starcraft при запуске</translation>
    </message>
    <message>
        <source>Select from &amp;list</source>
        <translation>Выбрать из спис&amp;ка</translation>
    </message>
    <message>
        <source>Play Starcraft with binded IP</source>
        <translation>Играть в Starcraft с привязанным IP</translation>
    </message>
    <message>
        <source>&amp;Launch! (F5)</source>
        <translation>&amp;Запуск! (F5)</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>О п&amp;рограмме</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Browse for Starcraft.exe</source>
        <translation>Выбор Starcraft.exe</translation>
    </message>
    <message>
        <source>Executable (*.exe)</source>
        <translation>Программы (*.exe)</translation>
    </message>
    <message>
        <source>There is no network to bind the game to.</source>
        <translation>Нет сети, к которой можно привязать игру.</translation>
    </message>
    <message>
        <source>%1 is missing: ForceBindIP.exe and BindIP.dll belong beside %2.</source>
        <translation>Нет %1: ForceBindIP.exe и BindIP.dll должны лежать в одной папке с %2.</translation>
    </message>
    <message>
        <source>Unable to install forceBindIP. Make sure for running app with Administrative privileges.</source>
        <translation>Не удалось установить ForceBindIP. Запустите от имени администратора.</translation>
    </message>
    <message>
        <source>The chosen network has no address. Pick a connected one.</source>
        <translation>У выбранной сети нет адреса. Выберите подключённую.</translation>
    </message>
    <message>
        <source>There is no game at this path. Pick the game&apos;s .exe with &quot;...&quot;.</source>
        <translation>По этому пути игры нет. Выберите .exe игры кнопкой «...».</translation>
    </message>
    <message>
        <source>Could not start %1.</source>
        <translation>Не удалось запустить %1.</translation>
    </message>
    <message>
        <source>Elevated Velkaro cannot see mapped drive %1:. Use a local or \\server\share path.</source>
        <translation>С правами администратора диск %1: не виден. Укажите локальный путь или \\server\share.</translation>
    </message>
    <message>
        <source>The folder holds no starcraft.exe. Pick the game&apos;s .exe with &quot;...&quot;.</source>
        <translation>В папке нет starcraft.exe. Выберите .exe игры кнопкой «...».</translation>
    </message>
    <message>
        <source>Settings not saved to %1.</source>
        <translation>Настройки не сохранены в %1.</translation>
    </message>
    <message>
        <source>Firewall rules refused (netsh: %1).</source>
        <translation>Правила брандмауэра отклонены (netsh: %1).</translation>
    </message>
    <message>
        <source>ForceBindIP crashed (%1); the game did not start.</source>
        <translation>ForceBindIP аварийно завершился (%1); игра не запустилась.</translation>
    </message>
    <message>
        <source>The game did not start or did not stay running (ForceBindIP: %1).</source>
        <translation>Игра не запустилась или сразу закрылась (ForceBindIP: %1).</translation>
    </message>
    <message>
        <source>The game did not start or did not stay running.</source>
        <translation>Игра не запустилась или сразу закрылась.</translation>
    </message>
    <message>
        <source>ForceBindIP crashed (%1) after starting the game; it may run unbound.</source>
        <translation>Сбой ForceBindIP (%1) после запуска игры: игра может работать без привязки.</translation>
    </message>
    <message>
        <source>This game is a 64-bit program, and this Windows is 32-bit: it cannot run here.</source>
        <translation>Это 64-разрядная игра, а Windows здесь 32-разрядная: игра на ней не запустится.</translation>
    </message>
    <message>
        <source>The network chosen last time (%1) is not connected.</source>
        <translation>Сеть, выбранная в прошлый раз (%1), не подключена.</translation>
    </message>
    <message>
        <source>A 64-bit game needs ForceBindIP64.exe and BindIP64.dll beside %1.</source>
        <translation>64-разрядной игре нужны ForceBindIP64.exe и BindIP64.dll в папке с %1.</translation>
    </message>
    <message>
        <source>ForceBindIP was not installed: the administrator rights it needs were declined.</source>
        <translation>ForceBindIP не установлен: отказано в правах администратора, которые для этого нужны.</translation>
    </message>
    <message>
        <source>Firewall rules not added: the administrator rights they need were declined.</source>
        <translation>Правила брандмауэра не добавлены: отказано в правах администратора, которые для этого нужны.</translation>
    </message>
    <message>
        <source>The game was not started: &quot;Run as Administrator&quot; needs administrator rights, which were declined.</source>
        <translation>Игра не запущена: для «Запуск от имени администратора» нужны права администратора, в них отказано.</translation>
    </message>
</context>
<context>
    <name>dlgAbout</name>
    <message>
        <source>About Velkaro</source>
        <translation>О Velkaro</translation>
    </message>
    <message>
        <source>Written by the Velkaro developers</source>
        <translation>Написано разработчиками Velkaro</translation>
    </message>
    <message>
        <source>Contact: velkaro@example.org</source>
        <translation>Связь: velkaro@example.org</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; color:#007828;&quot;&gt;Testers:&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;            Tester One&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;            Tester Two&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; color:#007828;&quot;&gt;Тестировщики:&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;            Tester One&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;            Tester Two&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Velkaro for StarCraft&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;version 0.8 (6&lt;/span&gt;&lt;span style=&quot; font-size:10pt; vertical-align:super;&quot;&gt;th&lt;/span&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt; July 2011)&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Free software, distributed under the GNU General Public License, version 3 or later.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;== Libraries and components used ==&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;ForceBindIP, by its author&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Qt toolkit, version %1&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Main icon: an aircraft drawn by the Velkaro developers for this launcher&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;The icon may be used, copied and changed under the same licence as the launcher.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Velkaro для StarCraft&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;версия 0.8 (6 июля 2011)&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Свободная программа под лицензией GNU General Public License версии 3 или новее.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;== Библиотеки и компоненты ==&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;ForceBindIP, от его автора&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Библиотека Qt, версия %1&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Значок: самолёт, нарисованный разработчиками Velkaro для лаунчера&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Значок можно использовать, копировать и изменять по лицензии лаунчера.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
</TS>
