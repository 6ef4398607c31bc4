<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Velkaro for Hamachi</source>
        <translation>Velkaro für Hamachi</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;falls nicht installiert, wird es automatisch heruntergeladen und installiert&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;oder aus dem Launcher-Paket installiert.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>ForceBindIP installed?</source>
        <translation>ForceBindIP installiert?</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Betriebssystem erkannt, das viele &lt;/span&gt;&lt;span style=&quot; font-size:8pt; color:#0600ca;&quot;&gt;Palettenprobleme&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt; verursachen kann.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Auch &lt;/span&gt;&lt;span style=&quot; font-size:8pt; color:#ef0000;&quot;&gt;Firewall-Probleme&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt; sind möglich.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Der Launcher wendet auf diesen Systemen &lt;/span&gt;&lt;span style=&quot; font-size:8pt; color:#00ac0b;&quot;&gt;besondere Kniffe&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt; an, um Verzögerungen zu vermeiden.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Detected OS Windows Vista(6), 7 or later</source>
        <translation>Windows Vista (6), 7 oder neuer erkannt</translation>
    </message>
    <message>
        <source>Will write exception on specified starcraft.exe</source>
        <translation>Fügt eine Ausnahme für die angegebene starcraft.exe hinzu</translation>
    </message>
    <message>
        <source>Add &amp;FireWall exception</source>
        <translation>&amp;Firewall-Ausnahme hinzufügen</translation>
    </message>
    <message>
        <source>Will set up compability parameters</source>
        <translation>Legt Kompatibilitätseinstellungen fest</translation>
    </message>
    <message>
        <source>&amp;Setup executable compability parameters</source>
        <translation>&amp;Kompatibilitätseinstellungen der Programmdatei festlegen</translation>
    </message>
    <message>
        <source>Run display properties dialog on foreground and set compability flags</source>
        <translation>Anzeigeeinstellungen im Vordergrund öffnen und Kompatibilitätseinstellungen festlegen</translation>
    </message>
    <message>
        <source>Perform pallete correction &amp;tricks</source>
        <translation>Paletten&amp;tricks zur Korrektur anwenden</translation>
    </message>
    <message>
        <source>Will start SC.exe as administrator</source>
        <translation>Startet SC.exe als Administrator</translation>
    </message>
    <message>
        <source>&amp;Run as Administrator</source>
        <translation>Als Administrator ausfüh&amp;ren</translation>
    </message>
    <message>
        <source>StarCraft Path (.exe or dir)</source>
        <translation>StarCraft-Pfad (.exe oder Ordner)</translation>
    </message>
    <message>
        <source>Must be correct path to starcraft.exe (whatever the name). If you wish, you can run another application with this launcher, for it may help with artifacts.</source>
        <translation>Muss der richtige Pfad zu starcraft.exe sein (der Name ist egal). Sie können mit diesem Launcher auch ein anderes Programm starten, das kann gegen Bildfehler helfen.</translation>
    </message>
    <message>
        <source>Browse to find starcraft.exe or other application</source>
        <translation>Nach starcraft.exe oder einem anderen Programm suchen</translation>
    </message>
    <message>
        <source>Browse to find starcraft.exe</source>
        <translation>Nach starcraft.exe suchen</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Bind game to network (Hamachi is default if found)</source>
        <translation>Spiel an Netzwerk binden (Standard: Hamachi, falls vorhanden)</translation>
    </message>
    <message>
        <source>This is disabled when no Hamachi network, or it does not have connectivity (no IP resolved).</source>
        <translation>Nicht verfügbar, wenn es kein Hamachi-Netzwerk gibt oder es keine Verbindung hat (keine IP ermittelt).</translation>
    </message>
    <message>
        <source>&amp;Hamachi network</source>
        <translation>&amp;Hamachi-Netzwerk</translation>
    </message>
    <message>
        <source>Alternatively select network to bind to Starcraft at launch</source>
        <translation>Oder ein Netzwerk wählen, an das Starcraft beim Start gebunden wird</translation>
    </message>
    <message>
        <source>Select from &amp;list</source>
        <translation>Aus &amp;Liste wählen</translation>
    </message>
    <message>
        <source>Play Starcraft with binded IP</source>
        <translation>Starcraft mit gebundener IP spielen</translation>
    </message>
    <message>
        <source>&amp;Launch! (F5)</source>
        <translation>&amp;Starten! (F5)</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Browse for Starcraft.exe</source>
        <translation>Starcraft.exe suchen</translation>
    </message>
    <message>
        <source>Executable (*.exe)</source>
        <translation>Programme (*.exe)</translation>
    </message>
    <message>
        <source>There is no network to bind the game to.</source>
        <translation>Es gibt kein Netzwerk, an das das Spiel gebunden werden kann.</translation>
    </message>
    <message>
        <source>%1 is missing: ForceBindIP.exe and BindIP.dll belong beside %2.</source>
        <translation>%1 fehlt: ForceBindIP.exe und BindIP.dll gehören in den Ordner von %2.</translation>
    </message>
    <message>
        <source>Unable to install forceBindIP. Make sure for running app with Administrative privileges.</source>
        <translation>ForceBindIP konnte nicht installiert werden. Starten Sie Velkaro mit Administratorrechten.</translation>
    </message>
    <message>
        <source>The chosen network has no address. Pick a connected one.</source>
        <translation>Das gewählte Netzwerk hat keine Adresse. Wählen Sie ein verbundenes.</translation>
    </message>
    <message>
        <source>There is no game at this path. Pick the game&apos;s .exe with &quot;...&quot;.</source>
        <translation>Unter diesem Pfad ist kein Spiel. Wählen Sie die .exe des Spiels mit „...“.</translation>
    </message>
    <message>
        <source>Could not start %1.</source>
        <translation>%1 ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>Elevated Velkaro cannot see mapped drive %1:. Use a local or \\server\share path.</source>
        <translation>Mit Administratorrechten ist Netzlaufwerk %1: nicht sichtbar. Nutzen Sie \\server\share.</translation>
    </message>
    <message>
        <source>The folder holds no starcraft.exe. Pick the game&apos;s .exe with &quot;...&quot;.</source>
        <translation>Der Ordner enthält keine starcraft.exe. Wählen Sie die .exe des Spiels mit „...“.</translation>
    </message>
    <message>
        <source>Settings not saved to %1.</source>
        <translation>Einstellungen nicht in %1 gespeichert.</translation>
    </message>
    <message>
        <source>Firewall rules refused (netsh: %1).</source>
        <translation>Firewall-Regeln abgelehnt (netsh: %1).</translation>
    </message>
    <message>
        <source>ForceBindIP crashed (%1); the game did not start.</source>
        <translation>ForceBindIP ist abgestürzt (%1); das Spiel startete nicht.</translation>
    </message>
    <message>
        <source>The game did not start or did not stay running (ForceBindIP: %1).</source>
        <translation>Das Spiel startete nicht oder lief nicht weiter (ForceBindIP: %1).</translation>
    </message>
    <message>
        <source>The game did not start or did not stay running.</source>
        <translation>Das Spiel startete nicht oder lief nicht weiter.</translation>
    </message>
    <message>
        <source>ForceBindIP crashed (%1) after starting the game; it may run unbound.</source>
        <translation>ForceBindIP stürzte nach dem Spielstart ab (%1); das Spiel läuft evtl. ungebunden.</translation>
    </message>
    <message>
        <source>This game is a 64-bit program, and this Windows is 32-bit: it cannot run here.</source>
        <translation>Dieses Spiel ist ein 64-Bit-Programm und läuft nicht unter diesem 32-Bit-Windows.</translation>
    </message>
    <message>
        <source>The network chosen last time (%1) is not connected.</source>
        <translation>Das zuletzt gewählte Netzwerk (%1) ist nicht verbunden.</translation>
    </message>
    <message>
        <source>A 64-bit game needs ForceBindIP64.exe and BindIP64.dll beside %1.</source>
        <translation>Ein 64-Bit-Spiel braucht ForceBindIP64.exe und BindIP64.dll im Ordner von %1.</translation>
    </message>
    <message>
        <source>ForceBindIP was not installed: the administrator rights it needs were declined.</source>
        <translation>ForceBindIP wurde nicht installiert: Die nötigen Administratorrechte wurden verweigert.</translation>
    </message>
    <message>
        <source>Firewall rules not added: the administrator rights they need were declined.</source>
        <translation>Firewall-Regeln nicht hinzugefügt: Die nötigen Administratorrechte wurden verweigert.</translation>
    </message>
    <message>
        <source>The game was not started: &quot;Run as Administrator&quot; needs administrator rights, which were declined.</source>
        <translation>Spiel nicht gestartet: „Als Administrator ausführen“ braucht Administratorrechte, die verweigert wurden.</translation>
    </message>
</context>
<context>
    <name>dlgAbout</name>
    <message>
        <source>About Velkaro</source>
        <translation>Info über Velkaro</translation>
    </message>
    <message>
        <source>Written by the Velkaro developers</source>
        <translation>Von den Velkaro-Entwicklern</translation>
    </message>
    <message>
        <source>Contact: velkaro@example.org</source>
        <translation>Kontakt: velkaro@example.org</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; color:#007828;&quot;&gt;Tester:&lt;/span&gt;&lt;/p&gt;
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Velkaro für StarCraft&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Version 0.8 (6. Juli 2011)&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Freie Software unter der GNU General Public License, Version 3 oder später.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;== Bibliotheken und Komponenten ==&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;ForceBindIP, von seinem Autor&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Qt-Toolkit, Version %1&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Symbol: ein Flugzeug, von den Velkaro-Entwicklern gezeichnet&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Das Symbol darf unter der Lizenz des Launchers genutzt, kopiert und geändert werden.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
