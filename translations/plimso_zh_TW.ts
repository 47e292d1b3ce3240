<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Application</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <extracomment>%1 is the system&apos;s reason (&quot;No space left on device&quot;).</extracomment>
        <translation>無法寫入標準輸出：%1</translation>
    </message>
    <message>
        <source>plimso needs a graphical display, and none was found (DISPLAY and WAYLAND_DISPLAY are not set).</source>
        <translation>plimso 需要圖形顯示環境，但找不到任何顯示器（DISPLAY 與 WAYLAND_DISPLAY 都未設定）。</translation>
    </message>
    <message>
        <source>plimso needs a graphical display, and could not open %1.</source>
        <translation>plimso 需要圖形顯示環境，但無法開啟%1。</translation>
    </message>
    <message>
        <source>Run it inside a desktop session, or on a virtual display:
  xvfb-run -a ./plimso
or start one yourself: Xvfb :99 &amp; DISPLAY=:99 ./plimso</source>
        <translation>請在桌面工作階段中執行，或在虛擬顯示器上執行：
  xvfb-run -a ./plimso
或自行啟動一個：Xvfb :99 &amp; DISPLAY=:99 ./plimso</translation>
    </message>
</context>
<context>
    <name>ChallengeWindow</name>
    <message>
        <source>Your attempt</source>
        <extracomment>What the challenge&apos;s left grid is for, said by a screen reader.</extracomment>
        <translation>你的嘗試</translation>
    </message>
    <message>
        <source>Pattern to repeat</source>
        <extracomment>The challenge&apos;s right grid, which shows the stored pattern.</extracomment>
        <translation>要重現的圖案</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: plimso [options] [file]</source>
        <translation>用法：plimso [選項] [檔案]</translation>
    </message>
    <message>
        <source>Run &apos;plimso --help&apos; for more.</source>
        <translation>執行「plimso --help」以取得更多說明。</translation>
    </message>
    <message>
        <source>Draw dot patterns and redraw them from memory.</source>
        <translation>畫出點的圖案，再憑記憶重畫出來。</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>顯示這份說明。</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>顯示版本。</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of the one argument, as the help lists it.</extracomment>
        <translation>檔案</translation>
    </message>
    <message>
        <source>A pattern file to open as the challenge.</source>
        <translation>要當作挑戰開啟的圖案檔。</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, -style and -display, are accepted too.</source>
        <translation>也接受 Qt 本身的選項，例如 -platform、-style 和 -display。</translation>
    </message>
    <message>
        <source>one pattern file at most, not %1: %2</source>
        <extracomment>%1 is how many files were named, %2 the files.</extracomment>
        <translation>最多只能指定一個圖案檔，卻指定了 %1 個：%2</translation>
    </message>
</context>
<context>
    <name>DisplayTried</name>
    <message>
        <source>the X display &quot;%1&quot;</source>
        <extracomment>%1 names an X display (&quot;:0&quot;).</extracomment>
        <translation> X 顯示器「%1」</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <extracomment>%1 names a Wayland display (&quot;wayland-0&quot;).</extracomment>
        <translation> Wayland 顯示器「%1」</translation>
    </message>
    <message>
        <source>the platform &quot;%1&quot;</source>
        <extracomment>%1 names a Qt platform plugin (&quot;xcb&quot;).</extracomment>
        <translation>平台「%1」</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins two things tried (&quot;the Wayland display &quot;wayland-0&quot;&quot;, &quot;the X display &quot;:0&quot;&quot;).</extracomment>
        <translation>%1及%2</translation>
    </message>
</context>
<context>
    <name>DotGridAccessible</name>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the items of a list but the last (&quot;1, 3&quot;).</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last item of a list to the others (&quot;1, 3 and 5&quot;).</extracomment>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>row %1 column %2</source>
        <extracomment>Where a dot stands in its grid; %1 is its row, %2 its column, both from 1.</extracomment>
        <translation>第 %1 列第 %2 欄</translation>
    </message>
    <message>
        <source>step %1 of %2</source>
        <extracomment>A dot&apos;s place in the path: %1 is its step, %2 the number of steps.</extracomment>
        <translation>第 %1 步，共 %2 步</translation>
    </message>
    <message>
        <source>steps %1 of %2</source>
        <extracomment>A dot the path passes more than once: %1 lists its steps (&quot;1 and 5&quot;), %2 is the number of steps.</extracomment>
        <translation>第 %1 步，共 %2 步</translation>
    </message>
    <message>
        <source>no path</source>
        <translation>沒有路徑</translation>
    </message>
    <message>
        <source>one step: %1</source>
        <extracomment>A path of one dot; %1 says where it stands.</extracomment>
        <translation>一步：%1</translation>
    </message>
    <message>
        <source>%1 steps: %2</source>
        <extracomment>%1 is the number of steps, %2 lists where each dot stands, in order.</extracomment>
        <translation>%1 步：%2</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>Your path</source>
        <extracomment>What the editor&apos;s left grid is for, said by a screen reader.</extracomment>
        <translation>你的路徑</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The editor&apos;s right grid, which repeats the path Test saved.</extracomment>
        <translation>重播</translation>
    </message>
</context>
<context>
    <name>GridPrint</name>
    <message>
        <source>The printer &quot;%1&quot; did not take the page: nothing was printed.</source>
        <translation>印表機「%1」沒有接受這一頁：什麼都沒有印出。</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>這不是一般檔案</translation>
    </message>
    <message>
        <source>the page could not be made</source>
        <translation>無法產生這一頁</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written: %2</source>
        <extracomment>%2 says why: &quot;it is not a regular file&quot;, or the system&apos;s reason.</extracomment>
        <translation>無法寫入 PDF 檔「%1」：%2</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>it is the pattern file of the open challenge</source>
        <translation>這是目前開啟的挑戰所用的圖案檔</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>這不是一般檔案</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be saved: %2</source>
        <extracomment>%2 says why (&quot;it is not a regular file&quot;, or the system&apos;s reason).</extracomment>
        <translation>無法儲存圖片「%1」：%2</translation>
    </message>
    <message>
        <source>The picture %1 was saved in %2.</source>
        <extracomment>Said by a screen reader: %1 is the file&apos;s name, %2 the folder it is in.</extracomment>
        <translation>圖片 %1 已儲存在 %2。</translation>
    </message>
</context>
<context>
    <name>PatternRefusal</name>
    <message>
        <source>the file is empty: it holds no pattern</source>
        <translation>檔案是空的，沒有任何圖案</translation>
    </message>
    <message>
        <source>the line holds a NUL byte</source>
        <translation>這一行含有空字元</translation>
    </message>
    <message>
        <source>the line holds a byte that is not text (0x%1)</source>
        <extracomment>%1 is the byte in two hexadecimal digits.</extracomment>
        <translation>這一行含有不是文字的位元組（0x%1）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a sign; dot numbers are unsigned</source>
        <extracomment>%1 is the field as the file holds it.</extracomment>
        <translation>「%1」帶有正負號；點的編號不可帶正負號</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>「%1」不是整數</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a dot number from 0 to 63</source>
        <translation>「%1」不是 0 到 63 之間的點編號</translation>
    </message>
    <message>
        <source>the file holds more than 64 values</source>
        <translation>檔案中的數值超過 64 個</translation>
    </message>
    <message>
        <source>the file is too large to be a pattern file</source>
        <translation>檔案太大，不可能是圖案檔</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>這不是一般檔案</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is the line&apos;s number, %2 what is wrong with it.</extracomment>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>The pattern file &quot;%1&quot; cannot be opened.
%2</source>
        <extracomment>%2 is the reason, on a line of its own.</extracomment>
        <translation>無法開啟圖案檔「%1」。
%2</translation>
    </message>
</context>
<context>
    <name>PlacementStore</name>
    <message>
        <source>the window placement could not be saved to %1: %2</source>
        <extracomment>%1 is the settings file, %2 why it could not be written.</extracomment>
        <translation>無法將視窗的位置與大小儲存到 %1：%2</translation>
    </message>
    <message>
        <source>the file system gave no reason</source>
        <translation>檔案系統沒有提供原因</translation>
    </message>
    <message>
        <source>its lock file %1 stayed taken by another process</source>
        <translation>其鎖定檔 %1 一直被另一個處理程序佔用</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>這不是一般檔案</translation>
    </message>
    <message>
        <source>the window placement is not remembered: neither XDG_CONFIG_HOME nor HOME is an absolute path</source>
        <translation>不會記住視窗位置：XDG_CONFIG_HOME 與 HOME 都不是絕對路徑</translation>
    </message>
    <message>
        <source>the window placement could not be read from %1: %2</source>
        <extracomment>%1 is the settings file, %2 why it was not read.</extracomment>
        <translation>無法從 %1 讀取視窗位置：%2</translation>
    </message>
    <message>
        <source>its lock file %1 is not a regular file</source>
        <translation>其鎖定檔 %1 不是一般檔案</translation>
    </message>
</context>
<context>
    <name>TestCommand</name>
    <message>
        <source>it is a symbolic link</source>
        <translation>這是符號連結</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>這不是一般檔案</translation>
    </message>
    <message>
        <source>it is the program itself</source>
        <translation>這是程式本身</translation>
    </message>
    <message>
        <source>it is not a pattern file</source>
        <translation>這不是圖案檔</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain file name. Please give a name without folders, such as Default.txt.</source>
        <translation>「%1」不是單純的檔名。請輸入不含資料夾的名稱，例如 Default.txt。</translation>
    </message>
    <message>
        <source>The pattern file &quot;%1&quot; could not be written: there is no folder to write it to (neither XDG_DATA_HOME nor HOME is an absolute path).</source>
        <translation>無法寫入圖案檔「%1」：沒有可寫入的資料夾（XDG_DATA_HOME 與 HOME 都不是絕對路徑）。</translation>
    </message>
    <message>
        <source>The pattern file &quot;%1&quot; could not be written: %2.</source>
        <extracomment>%2 says why Test leaves the file alone (&quot;it is a symbolic link&quot;).</extracomment>
        <translation>無法寫入圖案檔「%1」：%2。</translation>
    </message>
    <message>
        <source>The pattern file &quot;%1&quot; could not be written: %2</source>
        <extracomment>%2 is the system&apos;s reason (&quot;No space left on device&quot;).</extracomment>
        <translation>無法寫入圖案檔「%1」：%2</translation>
    </message>
    <message>
        <source>The pattern file %1 was written in %2.</source>
        <extracomment>Said by a screen reader: %1 is the file&apos;s name, %2 the folder it is in.</extracomment>
        <translation>圖案檔 %1 已寫入 %2。</translation>
    </message>
</context>
</TS>
