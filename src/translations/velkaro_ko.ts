<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Velkaro for Hamachi</source>
        <translation>Hamachi용 Velkaro</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;설치되어 있지 않으면 자동으로 다운로드하여 설치합니다&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;또는 런처 패키지에서 설치합니다.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>ForceBindIP installed?</source>
        <translation>ForceBindIP 설치됨</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;감지된 운영 체제에서는 &lt;/span&gt;&lt;span style=&quot; font-size:8pt; color:#0600ca;&quot;&gt;팔레트 문제&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;가 많이 생길 수 있습니다.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;또한 &lt;/span&gt;&lt;span style=&quot; font-size:8pt; color:#ef0000;&quot;&gt;방화벽 문제&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;도 생길 수 있습니다.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;런처는 이런 시스템에서 지연을 막기 위해 &lt;/span&gt;&lt;span style=&quot; font-size:8pt; color:#00ac0b;&quot;&gt;특별한 조치&lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;를 수행합니다.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Detected OS Windows Vista(6), 7 or later</source>
        <translation>Windows Vista(6), 7 이상 감지됨</translation>
    </message>
    <message>
        <source>Will write exception on specified starcraft.exe</source>
        <translation>지정한 starcraft.exe에 대한 예외를 추가합니다</translation>
    </message>
    <message>
        <source>Add &amp;FireWall exception</source>
        <translation>방화벽 예외 추가(&amp;F)</translation>
    </message>
    <message>
        <source>Will set up compability parameters</source>
        <translation>호환성 설정을 지정합니다</translation>
    </message>
    <message>
        <source>&amp;Setup executable compability parameters</source>
        <translation>실행 파일 호환성 설정 지정(&amp;S)</translation>
    </message>
    <message>
        <source>Run display properties dialog on foreground and set compability flags</source>
        <translation>디스플레이 속성 대화 상자를 앞에 띄우고 호환성 설정을 지정합니다</translation>
    </message>
    <message>
        <source>Perform pallete correction &amp;tricks</source>
        <translation>팔레트 보정 조치 수행(&amp;T)</translation>
    </message>
    <message>
        <source>Will start SC.exe as administrator</source>
        <translation>SC.exe를 관리자 권한으로 시작합니다</translation>
    </message>
    <message>
        <source>&amp;Run as Administrator</source>
        <translation>관리자 권한으로 실행(&amp;R)</translation>
    </message>
    <message>
        <source>StarCraft Path (.exe or dir)</source>
        <translation>StarCraft 경로 (.exe 또는 폴더)</translation>
    </message>
    <message>
        <source>Must be correct path to starcraft.exe (whatever the name). If you wish, you can run another application with this launcher, for it may help with artifacts.</source>
        <translation>starcraft.exe의 올바른 경로여야 합니다(이름은 상관없음). 원하면 이 런처로 다른 프로그램을 실행할 수도 있으며, 화면 깨짐에 도움이 될 수 있습니다.</translation>
    </message>
    <message>
        <source>Browse to find starcraft.exe or other application</source>
        <translation>starcraft.exe 또는 다른 프로그램 찾아보기</translation>
    </message>
    <message>
        <source>Browse to find starcraft.exe</source>
        <translation>starcraft.exe 찾아보기</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Bind game to network (Hamachi is default if found)</source>
        <translation>게임을 네트워크에 바인딩 (있으면 Hamachi가 기본)</translation>
    </message>
    <message>
        <source>This is disabled when no Hamachi network, or it does not have connectivity (no IP resolved).</source>
        <translation>Hamachi 네트워크가 없거나 연결되지 않은 경우(IP 없음) 비활성화됩니다.</translation>
    </message>
    <message>
        <source>&amp;Hamachi network</source>
        <translation>Hamachi 네트워크(&amp;H)</translation>
    </message>
    <message>
        <source>Alternatively select network to bind to Starcraft at launch</source>
        <translation>또는 실행할 때 Starcraft를 바인딩할 네트워크를 선택하세요</translation>
    </message>
    <message>
        <source>Select from &amp;list</source>
        <translation>목록에서 선택(&amp;L)</translation>
    </message>
    <message>
        <source>Play Starcraft with binded IP</source>
        <translation>바인딩된 IP로 Starcraft 플레이</translation>
    </message>
    <message>
        <source>&amp;Launch! (F5)</source>
        <translation>실행!(&amp;L) (F5)</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>정보(&amp;A)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Browse for Starcraft.exe</source>
        <translation>Starcraft.exe 찾아보기</translation>
    </message>
    <message>
        <source>Executable (*.exe)</source>
        <translation>실행 파일 (*.exe)</translation>
    </message>
    <message>
        <source>There is no network to bind the game to.</source>
        <translation>게임을 바인딩할 네트워크가 없습니다.</translation>
    </message>
    <message>
        <source>%1 is missing: ForceBindIP.exe and BindIP.dll belong beside %2.</source>
        <translation>%1 없음: ForceBindIP.exe와 BindIP.dll을 %2와(과) 같은 폴더에 넣으세요.</translation>
    </message>
    <message>
        <source>Unable to install forceBindIP. Make sure for running app with Administrative privileges.</source>
        <translation>ForceBindIP를 설치할 수 없습니다. 관리자 권한으로 실행하세요.</translation>
    </message>
    <message>
        <source>The chosen network has no address. Pick a connected one.</source>
        <translation>선택한 네트워크에 주소가 없습니다. 연결된 네트워크를 선택하세요.</translation>
    </message>
    <message>
        <source>There is no game at this path. Pick the game&apos;s .exe with &quot;...&quot;.</source>
        <translation>이 경로에 게임이 없습니다. &quot;...&quot;로 게임의 .exe를 선택하세요.</translation>
    </message>
    <message>
        <source>Could not start %1.</source>
        <translation>%1을(를) 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>Elevated Velkaro cannot see mapped drive %1:. Use a local or \\server\share path.</source>
        <translation>관리자 권한으로는 %1:에 액세스할 수 없습니다. 로컬 또는 \\server\share 경로를 사용하세요.</translation>
    </message>
    <message>
        <source>The folder holds no starcraft.exe. Pick the game&apos;s .exe with &quot;...&quot;.</source>
        <translation>폴더에 starcraft.exe가 없습니다. &quot;...&quot;로 게임의 .exe를 선택하세요.</translation>
    </message>
    <message>
        <source>Settings not saved to %1.</source>
        <translation>설정을 %1에 저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>Firewall rules refused (netsh: %1).</source>
        <translation>방화벽 규칙이 거부되었습니다 (netsh: %1).</translation>
    </message>
    <message>
        <source>ForceBindIP crashed (%1); the game did not start.</source>
        <translation>ForceBindIP가 비정상 종료되었습니다 (%1). 게임이 시작되지 않았습니다.</translation>
    </message>
    <message>
        <source>The game did not start or did not stay running (ForceBindIP: %1).</source>
        <translation>게임이 시작되지 않았거나 곧 종료되었습니다 (ForceBindIP: %1).</translation>
    </message>
    <message>
        <source>The game did not start or did not stay running.</source>
        <translation>게임이 시작되지 않았거나 곧 종료되었습니다.</translation>
    </message>
    <message>
        <source>ForceBindIP crashed (%1) after starting the game; it may run unbound.</source>
        <translation>게임 시작 후 ForceBindIP 비정상 종료(%1): 게임이 바인딩 없이 실행 중일 수 있습니다.</translation>
    </message>
    <message>
        <source>This game is a 64-bit program, and this Windows is 32-bit: it cannot run here.</source>
        <translation>이 게임은 64비트 프로그램이라 32비트 Windows에서는 실행할 수 없습니다.</translation>
    </message>
    <message>
        <source>The network chosen last time (%1) is not connected.</source>
        <translation>지난번에 선택한 네트워크(%1)가 연결되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>A 64-bit game needs ForceBindIP64.exe and BindIP64.dll beside %1.</source>
        <translation>64비트 게임에는 ForceBindIP64.exe와 BindIP64.dll이 필요합니다. %1 옆에 두세요.</translation>
    </message>
    <message>
        <source>ForceBindIP was not installed: the administrator rights it needs were declined.</source>
        <translation>ForceBindIP를 설치하지 않았습니다. 필요한 관리자 권한이 거부되었습니다.</translation>
    </message>
    <message>
        <source>Firewall rules not added: the administrator rights they need were declined.</source>
        <translation>방화벽 규칙을 추가하지 않았습니다. 필요한 관리자 권한이 거부되었습니다.</translation>
    </message>
    <message>
        <source>The game was not started: &quot;Run as Administrator&quot; needs administrator rights, which were declined.</source>
        <translation>게임을 시작하지 않았습니다. &quot;관리자 권한으로 실행&quot;에 필요한 관리자 권한이 거부되었습니다.</translation>
    </message>
</context>
<context>
    <name>dlgAbout</name>
    <message>
        <source>About Velkaro</source>
        <translation>Velkaro 정보</translation>
    </message>
    <message>
        <source>Written by the Velkaro developers</source>
        <translation>Velkaro 개발자들이 만들었습니다</translation>
    </message>
    <message>
        <source>Contact: velkaro@example.org</source>
        <translation>연락처: velkaro@example.org</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt; color:#007828;&quot;&gt;테스터:&lt;/span&gt;&lt;/p&gt;
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;StarCraft용 Velkaro&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;버전 0.8 (2011년 7월 6일)&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;자유 소프트웨어이며, GNU General Public License 버전 3 이상으로 배포됩니다.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;== 사용한 라이브러리와 구성 요소 ==&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;ForceBindIP, 원작자 제작&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Qt 툴킷, 버전 %1&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:10pt;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;기본 아이콘: Velkaro 개발자들이 이 런처를 위해 그린 비행기&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;이 아이콘은 런처와 같은 라이선스로 사용, 복사, 수정할 수 있습니다.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
</TS>
