<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;se não estiver instalado, será baixado e instalado automaticamente&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;ou instalado a partir do pacote do lançador.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>ForceBindIP installed?</source>
        <translation>ForceBindIP instalado?</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Detectado um sistema operacional que pode causar muitos &lt;/span&gt;&lt;span style=&quot; font-size:8pt; color:#0600ca;&quot;&gt;problemas de paleta&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Também podem surgir &lt;/span&gt;&lt;span style=&quot; font-size:8pt; color:#ef0000;&quot;&gt;problemas de firewall&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;O lançador aplicará &lt;/span&gt;&lt;span style=&quot; font-size:8pt; color:#00ac0b;&quot;&gt;truques especiais&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt; nesses sistemas para evitar lentidão.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Detected OS Windows Vista(6), 7 or later</source>
        <translation>Detectado Windows Vista (6), 7 ou posterior</translation>
    </message>
    <message>
        <source>Will write exception on specified starcraft.exe</source>
        <translation>Adicionará uma exceção para o starcraft.exe indicado</translation>
    </message>
    <message>
        <source>Add &amp;FireWall exception</source>
        <translation>Adicionar exceção no &amp;firewall</translation>
    </message>
    <message>
        <source>Will set up compability parameters</source>
        <translation>Configurará os parâmetros de compatibilidade</translation>
    </message>
    <message>
        <source>&amp;Setup executable compability parameters</source>
        <translation>Configurar &amp;parâmetros de compatibilidade do executável</translation>
    </message>
    <message>
        <source>Run display properties dialog on foreground and set compability flags</source>
        <translation>Abrir as propriedades de vídeo em primeiro plano e definir os sinalizadores de compatibilidade</translation>
    </message>
    <message>
        <source>Perform pallete correction &amp;tricks</source>
        <translation>Aplicar &amp;truques de correção de paleta</translation>
    </message>
    <message>
        <source>Will start SC.exe as administrator</source>
        <translation>Iniciará o SC.exe como administrador</translation>
    </message>
    <message>
        <source>&amp;Run as Administrator</source>
        <translation>Executar como &amp;administrador</translation>
    </message>
    <message>
        <source>StarCraft Path (.exe or dir)</source>
        <translation>Caminho do StarCraft (.exe ou pasta)</translation>
    </message>
    <message>
        <source>Must be correct path to starcraft.exe (whatever the name). If you wish, you can run another application with this launcher, for it may help with artifacts.</source>
        <translation>Deve ser o caminho correto para o starcraft.exe (qualquer que seja o nome). Se quiser, você pode executar outro aplicativo com este lançador, pois isso pode ajudar com artefatos.</translation>
    </message>
    <message>
        <source>Browse to find starcraft.exe or other application</source>
        <translation>Procurar o starcraft.exe ou outro aplicativo</translation>
    </message>
    <message>
        <source>Browse to find starcraft.exe</source>
        <translation>Procurar o starcraft.exe</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Bind game to network (Hamachi is default if found)</source>
        <translation>Vincular o jogo à rede (padrão: Hamachi, se houver)</translation>
    </message>
    <message>
        <source>This is disabled when no Hamachi network, or it does not have connectivity (no IP resolved).</source>
        <translation>Desativado quando não há rede Hamachi ou ela não tem conexão (nenhum IP obtido).</translation>
    </message>
    <message>
        <source>&amp;Hamachi network</source>
        <translation>Rede &amp;Hamachi</translation>
    </message>
    <message>
        <source>Alternatively select network to bind to Starcraft at launch</source>
        <translation>Ou escolha a rede à qual vincular o Starcraft ao iniciar</translation>
    </message>
    <message>
        <source>Select from &amp;list</source>
        <translation>Escolher da &amp;lista</translation>
    </message>
    <message>
        <source>Play Starcraft with binded IP</source>
        <translation>Jogar Starcraft com o IP vinculado</translation>
    </message>
    <message>
        <source>&amp;Launch! (F5)</source>
        <translation>&amp;Jogar! (F5)</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
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
        <translation>Procurar Starcraft.exe</translation>
    </message>
    <message>
        <source>Executable (*.exe)</source>
        <translation>Executáveis (*.exe)</translation>
    </message>
    <message>
        <source>There is no network to bind the game to.</source>
        <translation>Não há rede à qual vincular o jogo.</translation>
    </message>
    <message>
        <source>%1 is missing: ForceBindIP.exe and BindIP.dll belong beside %2.</source>
        <translation>Falta %1: coloque ForceBindIP.exe e BindIP.dll na mesma pasta que %2.</translation>
    </message>
    <message>
        <source>Unable to install forceBindIP. Make sure for running app with Administrative privileges.</source>
        <translation>Não foi possível instalar o ForceBindIP. Execute como administrador.</translation>
    </message>
    <message>
        <source>The chosen network has no address. Pick a connected one.</source>
        <translation>A rede escolhida não tem endereço. Escolha uma conectada.</translation>
    </message>
    <message>
        <source>There is no game at this path. Pick the game&apos;s .exe with &quot;...&quot;.</source>
        <translation>Não há jogo neste caminho. Escolha o .exe do jogo com &quot;...&quot;.</translation>
    </message>
    <message>
        <source>Could not start %1.</source>
        <translation>Não foi possível iniciar %1.</translation>
    </message>
    <message>
        <source>Elevated Velkaro cannot see mapped drive %1:. Use a local or \\server\share path.</source>
        <translation>Com privilégios elevados, a unidade %1: não aparece. Use um caminho local ou \\server\share.</translation>
    </message>
    <message>
        <source>The folder holds no starcraft.exe. Pick the game&apos;s .exe with &quot;...&quot;.</source>
        <translation>A pasta não contém starcraft.exe. Escolha o .exe do jogo com &quot;...&quot;.</translation>
    </message>
    <message>
        <source>Settings not saved to %1.</source>
        <translation>Configurações não salvas em %1.</translation>
    </message>
    <message>
        <source>Firewall rules refused (netsh: %1).</source>
        <translation>Regras do firewall recusadas (netsh: %1).</translation>
    </message>
    <message>
        <source>ForceBindIP crashed (%1); the game did not start.</source>
        <translation>O ForceBindIP parou de funcionar (%1); o jogo não iniciou.</translation>
    </message>
    <message>
        <source>The game did not start or did not stay running (ForceBindIP: %1).</source>
        <translation>O jogo não iniciou ou fechou logo (ForceBindIP: %1).</translation>
    </message>
    <message>
        <source>The game did not start or did not stay running.</source>
        <translation>O jogo não iniciou ou fechou logo.</translation>
    </message>
    <message>
        <source>ForceBindIP crashed (%1) after starting the game; it may run unbound.</source>
        <translation>O ForceBindIP parou de funcionar (%1): o jogo pode estar rodando sem vínculo.</translation>
    </message>
    <message>
        <source>This game is a 64-bit program, and this Windows is 32-bit: it cannot run here.</source>
        <translation>Este jogo é de 64 bits e não pode ser executado neste Windows de 32 bits.</translation>
    </message>
    <message>
        <source>The network chosen last time (%1) is not connected.</source>
        <translation>A rede escolhida da última vez (%1) não está conectada.</translation>
    </message>
    <message>
        <source>A 64-bit game needs ForceBindIP64.exe and BindIP64.dll beside %1.</source>
        <translation>Um jogo de 64 bits precisa de ForceBindIP64.exe e BindIP64.dll na pasta do %1.</translation>
    </message>
    <message>
        <source>ForceBindIP was not installed: the administrator rights it needs were declined.</source>
        <translation>O ForceBindIP não foi instalado: as permissões de administrador necessárias foram negadas.</translation>
    </message>
    <message>
        <source>Firewall rules not added: the administrator rights they need were declined.</source>
        <translation>As regras do firewall não foram adicionadas: as permissões de administrador necessárias foram negadas.</translation>
    </message>
    <message>
        <source>The game was not started: &quot;Run as Administrator&quot; needs administrator rights, which were declined.</source>
        <translation>O jogo não foi iniciado: &quot;Executar como administrador&quot; requer permissões de administrador, que foram negadas.</translation>
    </message>
</context>
<context>
    <name>dlgAbout</name>
    <message>
        <source>About Velkaro</source>
        <translation>Sobre o Velkaro</translation>
    </message>
    <message>
        <source>Written by the Velkaro developers</source>
        <translation>Feito pelos autores do Velkaro</translation>
    </message>
    <message>
        <source>Contact: velkaro@example.org</source>
        <translation>Contato: velkaro@example.org</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; color:#007828;&quot;&gt;Testadores:&lt;/span&gt;&lt;/p&gt;
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;versão 0.8 (6 de julho de 2011)&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Software livre sob a GNU General Public License, versão 3 ou posterior.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;== Bibliotecas e componentes ==&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;ForceBindIP, de seu autor&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Toolkit Qt, versão %1&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Ícone: um avião desenhado pelos desenvolvedores do Velkaro&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;O ícone pode ser usado, copiado e alterado sob a licença do lançador.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
