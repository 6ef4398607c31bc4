<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Velkaro for Hamachi</source>
        <translation>Velkaro para Hamachi</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;si no está instalado, se descargará e instalará automáticamente&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;o se instalará desde el paquete del lanzador.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>ForceBindIP installed?</source>
        <translation>¿ForceBindIP instalado?</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Se detectó un sistema operativo que puede causar muchos &lt;/span&gt;&lt;span style=&quot; font-size:8pt; color:#0600ca;&quot;&gt;problemas de paleta&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;También pueden surgir &lt;/span&gt;&lt;span style=&quot; font-size:8pt; color:#ef0000;&quot;&gt;problemas con el firewall&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;El lanzador aplicará &lt;/span&gt;&lt;span style=&quot; font-size:8pt; color:#00ac0b;&quot;&gt;trucos especiales&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt; en estos sistemas para evitar retrasos.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Detected OS Windows Vista(6), 7 or later</source>
        <translation>Detectado Windows Vista (6), 7 o posterior</translation>
    </message>
    <message>
        <source>Will write exception on specified starcraft.exe</source>
        <translation>Añadirá una excepción para el starcraft.exe indicado</translation>
    </message>
    <message>
        <source>Add &amp;FireWall exception</source>
        <translation>Añadir excepción del &amp;firewall</translation>
    </message>
    <message>
        <source>Will set up compability parameters</source>
        <translation>Configurará los parámetros de compatibilidad</translation>
    </message>
    <message>
        <source>&amp;Setup executable compability parameters</source>
        <translation>Configurar &amp;parámetros de compatibilidad del ejecutable</translation>
    </message>
    <message>
        <source>Run display properties dialog on foreground and set compability flags</source>
        <translation>Abrir las propiedades de pantalla en primer plano y fijar los indicadores de compatibilidad</translation>
    </message>
    <message>
        <source>Perform pallete correction &amp;tricks</source>
        <translation>Aplicar &amp;trucos de corrección de paleta</translation>
    </message>
    <message>
        <source>Will start SC.exe as administrator</source>
        <translation>Iniciará SC.exe como administrador</translation>
    </message>
    <message>
        <source>&amp;Run as Administrator</source>
        <translation>Ejecutar como &amp;administrador</translation>
    </message>
    <message>
        <source>StarCraft Path (.exe or dir)</source>
        <translation>Ruta de StarCraft (.exe o carpeta)</translation>
    </message>
    <message>
        <source>Must be correct path to starcraft.exe (whatever the name). If you wish, you can run another application with this launcher, for it may help with artifacts.</source>
        <translation>Debe ser la ruta correcta a starcraft.exe (sea cual sea el nombre). Si quiere, puede ejecutar otra aplicación con este lanzador, ya que puede ayudar con los artefactos.</translation>
    </message>
    <message>
        <source>Browse to find starcraft.exe or other application</source>
        <translation>Buscar starcraft.exe u otra aplicación</translation>
    </message>
    <message>
        <source>Browse to find starcraft.exe</source>
        <translation>Buscar starcraft.exe</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Bind game to network (Hamachi is default if found)</source>
        <translation>Vincular el juego a una red (predeterminada: Hamachi, si existe)</translation>
    </message>
    <message>
        <source>This is disabled when no Hamachi network, or it does not have connectivity (no IP resolved).</source>
        <translation>Desactivado si no hay red Hamachi o si no tiene conexión (sin IP).</translation>
    </message>
    <message>
        <source>&amp;Hamachi network</source>
        <translation>Red &amp;Hamachi</translation>
    </message>
    <message>
        <source>Alternatively select network to bind to Starcraft at launch</source>
        <translation>O elija la red a la que vincular Starcraft al iniciarlo</translation>
    </message>
    <message>
        <source>Select from &amp;list</source>
        <translation>Elegir de la &amp;lista</translation>
    </message>
    <message>
        <source>Play Starcraft with binded IP</source>
        <translation>Jugar a Starcraft con la IP vinculada</translation>
    </message>
    <message>
        <source>&amp;Launch! (F5)</source>
        <translation>¡&amp;Jugar! (F5)</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Browse for Starcraft.exe</source>
        <translation>Buscar Starcraft.exe</translation>
    </message>
    <message>
        <source>Executable (*.exe)</source>
        <translation>Ejecutables (*.exe)</translation>
    </message>
    <message>
        <source>There is no network to bind the game to.</source>
        <translation>No hay ninguna red a la que vincular el juego.</translation>
    </message>
    <message>
        <source>%1 is missing: ForceBindIP.exe and BindIP.dll belong beside %2.</source>
        <translation>Falta %1: copie ForceBindIP.exe y BindIP.dll en la misma carpeta que %2.</translation>
    </message>
    <message>
        <source>Unable to install forceBindIP. Make sure for running app with Administrative privileges.</source>
        <translation>No se pudo instalar ForceBindIP. Ejecute el programa como administrador.</translation>
    </message>
    <message>
        <source>The chosen network has no address. Pick a connected one.</source>
        <translation>La red elegida no tiene dirección. Elija una conectada.</translation>
    </message>
    <message>
        <source>There is no game at this path. Pick the game&apos;s .exe with &quot;...&quot;.</source>
        <translation>No hay ningún juego en esta ruta. Elija el .exe del juego con «...».</translation>
    </message>
    <message>
        <source>Could not start %1.</source>
        <translation>No se pudo iniciar %1.</translation>
    </message>
    <message>
        <source>Elevated Velkaro cannot see mapped drive %1:. Use a local or \\server\share path.</source>
        <translation>Con privilegios elevados no se ve la unidad de red %1:. Use una ruta local o \\server\share.</translation>
    </message>
    <message>
        <source>The folder holds no starcraft.exe. Pick the game&apos;s .exe with &quot;...&quot;.</source>
        <translation>La carpeta no contiene starcraft.exe. Elija el .exe del juego con «...».</translation>
    </message>
    <message>
        <source>Settings not saved to %1.</source>
        <translation>Configuración no guardada en %1.</translation>
    </message>
    <message>
        <source>Firewall rules refused (netsh: %1).</source>
        <translation>Reglas del firewall rechazadas (netsh: %1).</translation>
    </message>
    <message>
        <source>ForceBindIP crashed (%1); the game did not start.</source>
        <translation>ForceBindIP se cerró inesperadamente (%1); el juego no se inició.</translation>
    </message>
    <message>
        <source>The game did not start or did not stay running (ForceBindIP: %1).</source>
        <translation>El juego no se inició o se cerró enseguida (ForceBindIP: %1).</translation>
    </message>
    <message>
        <source>The game did not start or did not stay running.</source>
        <translation>El juego no se inició o se cerró enseguida.</translation>
    </message>
    <message>
        <source>ForceBindIP crashed (%1) after starting the game; it may run unbound.</source>
        <translation>ForceBindIP se cerró inesperadamente (%1): el juego quizá se ejecute sin vincular.</translation>
    </message>
    <message>
        <source>This game is a 64-bit program, and this Windows is 32-bit: it cannot run here.</source>
        <translation>Este juego es de 64 bits y no puede ejecutarse en este Windows de 32 bits.</translation>
    </message>
    <message>
        <source>The network chosen last time (%1) is not connected.</source>
        <translation>La red elegida la última vez (%1) no está conectada.</translation>
    </message>
    <message>
        <source>A 64-bit game needs ForceBindIP64.exe and BindIP64.dll beside %1.</source>
        <translation>Un juego de 64 bits necesita ForceBindIP64.exe y BindIP64.dll en la carpeta de %1.</translation>
    </message>
    <message>
        <source>ForceBindIP was not installed: the administrator rights it needs were declined.</source>
        <translation>No se instaló ForceBindIP: se denegaron los permisos de administrador necesarios.</translation>
    </message>
    <message>
        <source>Firewall rules not added: the administrator rights they need were declined.</source>
        <translation>No se agregaron las reglas del firewall: se denegaron los permisos de administrador necesarios.</translation>
    </message>
    <message>
        <source>The game was not started: &quot;Run as Administrator&quot; needs administrator rights, which were declined.</source>
        <translation>No se inició el juego: «Ejecutar como administrador» necesita permisos de administrador, que se denegaron.</translation>
    </message>
</context>
<context>
    <name>dlgAbout</name>
    <message>
        <source>About Velkaro</source>
        <translation>Acerca de Velkaro</translation>
    </message>
    <message>
        <source>Written by the Velkaro developers</source>
        <translation>Obra de los autores de Velkaro</translation>
    </message>
    <message>
        <source>Contact: velkaro@example.org</source>
        <translation>Contacto: velkaro@example.org</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; color:#007828;&quot;&gt;Equipo de pruebas:&lt;/span&gt;&lt;/p&gt;
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Velkaro para StarCraft&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;versión 0.8 (6 de julio de 2011)&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Software libre bajo la GNU General Public License, versión 3 o posterior.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;== Bibliotecas y componentes ==&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;ForceBindIP, de su autor&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Biblioteca Qt, versión %1&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Icono: un avión dibujado por los desarrolladores de Velkaro&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;El icono puede usarse, copiarse y modificarse con la licencia del lanzador.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
