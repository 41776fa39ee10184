<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>关于</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>产品:</source>
        <translation>Produkt:</translation>
    </message>
    <message>
        <source> 喷墨切割一体机输出中心</source>
        <translation> centrum wydruku plotera atramentowo-tnącego</translation>
    </message>
    <message>
        <source>公司:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>绘图仪输出中心开发组</source>
        <translation>Zespół centrum wydruku plotera</translation>
    </message>
    <message>
        <source>网址:</source>
        <translation>Strona:</translation>
    </message>
    <message>
        <source>联系:</source>
        <translation>Kontakt:</translation>
    </message>
    <message>
        <source>发布日期:</source>
        <translation>Data wydania:</translation>
    </message>
    <message>
        <source>程序目录:</source>
        <translation>Folder programu:</translation>
    </message>
</context>
<context>
    <name>CDlgFirmUpdate</name>
    <message>
        <source>Select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizuj</translation>
    </message>
</context>
<context>
    <name>CDlgGetIntInput</name>
    <message>
        <source>输入</source>
        <translation>Wprowadzanie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CDlgGetPwd</name>
    <message>
        <source>输入</source>
        <translation>Wprowadzanie</translation>
    </message>
    <message>
        <source>请输入密码:</source>
        <translation>Wprowadź hasło:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CDlgIVS</name>
    <message>
        <source>墨量统计</source>
        <translation>Statystyka atramentu</translation>
    </message>
    <message>
        <source>在主界面显示墨量信息</source>
        <translation>Pokazuj pozostały atrament w oknie głównym</translation>
    </message>
    <message>
        <source>1# 已使用</source>
        <translation>1# zużyto</translation>
    </message>
    <message>
        <source>2# 已使用</source>
        <translation>2# zużyto</translation>
    </message>
    <message>
        <source>清零(换新墨盒)</source>
        <translation>Zeruj (nowy wkład)</translation>
    </message>
    <message>
        <source>总容量</source>
        <translation>Pojemność</translation>
    </message>
    <message>
        <source>提示：HP45新墨盒墨量大约40mL(毫升)左右</source>
        <translation>Wskazówka: nowy wkład HP45 zawiera około 40 mL atramentu</translation>
    </message>
    <message>
        <source>一个喷孔喷一滴墨水理论为5pL(5*10^-9mL)</source>
        <translation>Teoretycznie jedna kropla z jednej dyszy to 5 pL (5*10^-9 mL)</translation>
    </message>
</context>
<context>
    <name>CDlgOffset</name>
    <message>
        <source>偏移设定</source>
        <translation>Ustawienie przesunięcia</translation>
    </message>
    <message>
        <source>左偏移</source>
        <translation>Przesunięcie w lewo</translation>
    </message>
</context>
<context>
    <name>CDlgPAdv</name>
    <message>
        <source>解除锁定</source>
        <translation>Odblokuj</translation>
    </message>
    <message>
        <source>推荐值</source>
        <translation>Zalecane</translation>
    </message>
</context>
<context>
    <name>CDlgPDir</name>
    <message>
        <source>手动目录</source>
        <translation>Folder ręczny</translation>
    </message>
    <message>
        <source>自动目录</source>
        <translation>Folder automatyczny</translation>
    </message>
    <message>
        <source>备份目录</source>
        <translation>Folder kopii zapasowych</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>自动备份已打印的文件</source>
        <translation>Automatycznie kopiuj wydrukowane pliki</translation>
    </message>
    <message>
        <source>文件过滤：</source>
        <translation>Filtr plików:</translation>
    </message>
    <message>
        <source>logo设置:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <source>logo字体大小(0~10)</source>
        <translation>Rozmiar czcionki logo (0~10)</translation>
    </message>
    <message>
        <source>线条粗细设置</source>
        <translation>Grubość linii</translation>
    </message>
    <message>
        <source>%1像素</source>
        <translation>%1 piks.</translation>
    </message>
    <message>
        <source>线条加黑</source>
        <translation>Ciemniejsze linie</translation>
    </message>
</context>
<context>
    <name>CDlgPMac</name>
    <message>
        <source>喷头组合</source>
        <translation>Zestaw głowic</translation>
    </message>
    <message>
        <source>启用1#喷头</source>
        <translation>Włącz głowicę 1#</translation>
    </message>
    <message>
        <source>启用2#喷头</source>
        <translation>Włącz głowicę 2#</translation>
    </message>
</context>
<context>
    <name>CDlgPMisc</name>
    <message>
        <source>手动打开时，默认的扩展名</source>
        <translation>Domyślny typ pliku przy ręcznym dodawaniu</translation>
    </message>
    <message>
        <source>所有文件(*.*)</source>
        <translation>Wszystkie pliki(*.*)</translation>
    </message>
    <message>
        <source>HPGL文件(*.p*;*.h*;*.spl)</source>
        <translation>Pliki HPGL(*.p*;*.h*;*.spl)</translation>
    </message>
    <message>
        <source>dxf文件(*.dxf)</source>
        <translation>Pliki DXF(*.dxf)</translation>
    </message>
    <message>
        <source>支持的文件(*.plt;*.p0*;*.hpg;*.dxf)</source>
        <translation>Obsługiwane pliki(*.plt;*.p0*;*.hpg;*.dxf)</translation>
    </message>
    <message>
        <source>定制功能</source>
        <translation>Funkcje dodatkowe</translation>
    </message>
    <message>
        <source>允许移动选中的曲线</source>
        <translation>Zezwalaj na przesuwanie zaznaczonych krzywych</translation>
    </message>
</context>
<context>
    <name>CDlgPSize</name>
    <message>
        <source>尺寸相关</source>
        <translation>Wymiary</translation>
    </message>
    <message>
        <source>设计尺寸</source>
        <translation>Wymiar projektowy</translation>
    </message>
    <message>
        <source>测量尺寸</source>
        <translation>Wymiar zmierzony</translation>
    </message>
    <message>
        <source>缩放比例</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>纸长方向:</source>
        <translation>Wzdłuż papieru:</translation>
    </message>
    <message>
        <source>纸宽方向:</source>
        <translation>W poprzek papieru:</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>比例参数存于主板</source>
        <translation>Przechowuj skalę na płycie maszyny</translation>
    </message>
    <message>
        <source>比例参数存于电脑</source>
        <translation>Przechowuj skalę w komputerze</translation>
    </message>
</context>
<context>
    <name>CDlgPara</name>
    <message>
        <source>参数设置</source>
        <translation>Ustawienia parametrów</translation>
    </message>
</context>
<context>
    <name>CDlgPropTextAdd</name>
    <message>
        <source>文字属性</source>
        <translation>Właściwości tekstu</translation>
    </message>
    <message>
        <source>坐标X(mm)：</source>
        <translation>Współrzędna X (mm):</translation>
    </message>
    <message>
        <source>坐标Y(mm)：</source>
        <translation>Współrzędna Y (mm):</translation>
    </message>
    <message>
        <source>角度(-179~180度)：</source>
        <translation>Kąt (-179~180°):</translation>
    </message>
    <message>
        <source>字体大小(0~9)：</source>
        <translation>Rozmiar czcionki (0~9):</translation>
    </message>
    <message>
        <source>文字内容：</source>
        <translation>Tekst:</translation>
    </message>
</context>
<context>
    <name>CDlgSetEth</name>
    <message>
        <source>网络设置</source>
        <translation>Ustawienia sieci</translation>
    </message>
    <message>
        <source>绘图仪IP</source>
        <translation>IP plotera</translation>
    </message>
    <message>
        <source>提示1：将绘图仪IP的前3段和电脑IP前3段的数字设置成一样才能正常联机</source>
        <translation>Wskazówka 1: połączenie działa tylko wtedy, gdy pierwsze 3 liczby IP plotera są takie same jak pierwsze 3 liczby IP komputera</translation>
    </message>
    <message>
        <source>提示2：开机时，按住面板上的“启动/暂停”键，机器IP将临时恢复为默认值(192.168.1.176)，如果需要保存，请在联机成功后，按下面的确定键</source>
        <translation>Wskazówka 2: przytrzymanie klawisza „Start/Pauza” na panelu przy włączaniu maszyny przywraca tymczasowo domyślny IP (192.168.1.176); aby go zachować, po połączeniu naciśnij poniższy przycisk OK</translation>
    </message>
</context>
<context>
    <name>CDlgSetPltUnit</name>
    <message>
        <source>PLT文件单位</source>
        <translation>Jednostka pliku PLT</translation>
    </message>
    <message>
        <source>绘图单位 </source>
        <translation>Jednostka rysunku </translation>
    </message>
    <message>
        <source>下次打开plt时不弹出此对话框</source>
        <translation>Nie pokazuj tego okna przy następnym otwarciu pliku plt</translation>
    </message>
    <message>
        <source>提示:
    对于大多数CAD软件输出的plt, 1个数据单位代表0.0250mm, 这里应该选择“0.0250mm(常规)” 但某些软件(如格博)输出的plt, 1个数据单位代表1mil(即0.0254mm), 这里应该选择“0.0254mm” 如果选择了不合适的绘图单位, 会导致输出的图形尺寸有偏差.</source>
        <translation>Wskazówka:
    W plikach plt większości programów CAD jedna jednostka to 0.0250 mm: wybierz tu „0.0250mm”. Niektóre programy zapisują jednostkę jako 1 mil (0.0254 mm): dla nich wybierz „0.0254mm”. Zła jednostka rysunku daje wydruk o złych wymiarach.</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CHistoryWnd</name>
    <message>
        <source>打印记录</source>
        <translation>Historia wydruków</translation>
    </message>
    <message>
        <source>时间段:</source>
        <translation>Okres:</translation>
    </message>
    <message>
        <source>今天</source>
        <translation>Dzisiaj</translation>
    </message>
    <message>
        <source>最近7天</source>
        <translation>Ostatnie 7 dni</translation>
    </message>
    <message>
        <source>最近30天</source>
        <translation>Ostatnie 30 dni</translation>
    </message>
    <message>
        <source>最近一年</source>
        <translation>Ostatnie 12 miesięcy</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>结果:</source>
        <translation>Wynik:</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>导出CSV...</source>
        <translation>Eksportuj CSV...</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>来源</source>
        <translation>Źródło</translation>
    </message>
    <message>
        <source>份</source>
        <translation>Kopia</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>用时</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>带</source>
        <translation>Pasy</translation>
    </message>
    <message>
        <source>宽*长(mm)</source>
        <translation>S*D (mm)</translation>
    </message>
    <message>
        <source>纸张(m)</source>
        <translation>Papier (m)</translation>
    </message>
    <message>
        <source>切割(m)</source>
        <translation>Nóż (m)</translation>
    </message>
    <message>
        <source>%1# 墨水(mL)</source>
        <translation>Atrament %1# (mL)</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>Komunikat</translation>
    </message>
    <message>
        <source>打印中</source>
        <translation>Drukowanie</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Zakończono</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Zatrzymano</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>中断</source>
        <translation>Przerwano</translation>
    </message>
    <message>
        <source>手动打开</source>
        <translation>Dodany ręcznie</translation>
    </message>
    <message>
        <source>手动目录</source>
        <translation>Folder ręczny</translation>
    </message>
    <message>
        <source>自动目录</source>
        <translation>Folder automatyczny</translation>
    </message>
    <message>
        <source>网络</source>
        <translation>Sieć</translation>
    </message>
    <message>
        <source>命令行</source>
        <translation>Wiersz poleceń</translation>
    </message>
    <message>
        <source>打印记录无法读取: %1</source>
        <translation>Nie można odczytać historii wydruków: %1</translation>
    </message>
    <message>
        <source>共 %1 份（完成 %2，停止 %3，失败 %4，中断 %5）  机器时间 %6  纸张 %7 m  切割 %8 m</source>
        <translation>%1 kopii (zakończono %2, zatrzymano %3, błędy %4, przerwano %5)  czas maszyny %6  papier %7 m  nóż %8 m</translation>
    </message>
    <message>
        <source>%1# 墨水 %2 mL</source>
        <translation>atrament %1# %2 mL</translation>
    </message>
    <message>
        <source>最长: %1 (%2)</source>
        <translation>najdłuższy: %1 (%2)</translation>
    </message>
    <message>
        <source>导出CSV</source>
        <translation>Eksportuj CSV</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>文件未写入: %1</source>
        <translation>Plik nie został zapisany: %1</translation>
    </message>
</context>
<context>
    <name>CMyDlgBar</name>
    <message>
        <source>添加</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>加入排队</source>
        <translation>Do kolejki</translation>
    </message>
    <message>
        <source>移出排队</source>
        <translation>Z kolejki</translation>
    </message>
    <message>
        <source>全部移出</source>
        <translation>Wszystkie z kolejki</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>左走</source>
        <translation>W lewo</translation>
    </message>
    <message>
        <source>右走</source>
        <translation>W prawo</translation>
    </message>
    <message>
        <source>进纸</source>
        <translation>Podaj</translation>
    </message>
    <message>
        <source>退纸</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>裁断</source>
        <translation>Odetnij</translation>
    </message>
    <message>
        <source>偏移</source>
        <translation>Przesuń</translation>
    </message>
    <message>
        <source>参数</source>
        <translation>Parametry</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>落刀</source>
        <translation>Nóż</translation>
    </message>
    <message>
        <source>风扇</source>
        <translation>Wentylator</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>语言设置改变，重启生效</source>
        <translation>Działa po ponownym uruchomieniu</translation>
    </message>
</context>
<context>
    <name>CMyListView</name>
    <message>
        <source>修改份数</source>
        <translation>Zmień liczbę kopii</translation>
    </message>
    <message>
        <source>修改起始位置</source>
        <translation>Zmień punkt początkowy</translation>
    </message>
    <message>
        <source>删除“已完成”</source>
        <translation>Usuń „ukończone”</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>加入队列</source>
        <translation>Do kolejki</translation>
    </message>
    <message>
        <source>移出队列</source>
        <translation>Z kolejki</translation>
    </message>
    <message>
        <source>全部移出</source>
        <translation>Wszystkie z kolejki</translation>
    </message>
</context>
<context>
    <name>CPelvaneDoc</name>
    <message>
        <source>立式切割机打印任务(*.pvtask)</source>
        <translation>Zadanie wydruku plotera pionowego(*.pvtask)</translation>
    </message>
    <message>
        <source>恢复打印任务</source>
        <translation>Przywróć zadanie wydruku</translation>
    </message>
</context>
<context>
    <name>FieldCheck</name>
    <message>
        <source>请输入一个整数。</source>
        <translation>Wprowadź liczbę całkowitą.</translation>
    </message>
    <message>
        <source>请输入一个数字。</source>
        <translation>Wprowadź liczbę.</translation>
    </message>
    <message>
        <source>请输入一个 %1 至 %2 之间的整数。</source>
        <translation>Wprowadź liczbę całkowitą od %1 do %2.</translation>
    </message>
    <message>
        <source>请输入一个 %1 至 %2 之间的数字。</source>
        <translation>Wprowadź liczbę od %1 do %2.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>打印记录</source>
        <translation>Historia wydruków</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>调机文件(&amp;T)</source>
        <translation>Pliki &amp;testowe</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>设置(&amp;S)</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>参数</source>
        <translation>Parametry</translation>
    </message>
    <message>
        <source>绘图单位</source>
        <translation>Jednostka rysunku</translation>
    </message>
    <message>
        <source>墨量统计</source>
        <translation>Statystyka atramentu</translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>适合屏幕</source>
        <translation>Dopasuj do okna</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>隐藏</source>
        <translation>Ukryj</translation>
    </message>
    <message>
        <source>通讯端口(&amp;C)</source>
        <translation>P&amp;ołączenie</translation>
    </message>
    <message>
        <source>网口</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>关于(&amp;A)...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <source>固件更新(&amp;U)</source>
        <translation>&amp;Aktualizacja firmware</translation>
    </message>
    <message>
        <source>虚拟绘图仪</source>
        <translation>Wirtualny ploter</translation>
    </message>
</context>
<context>
    <name>OkCancelRow</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>ParaFields</name>
    <message>
        <source>读取绘图文件时自动将外轮廓识别为切割线</source>
        <translation>Zamieniaj kontury na linie cięcia przy wczytywaniu pliku</translation>
    </message>
    <message>
        <source>识别轮廓前，先识别“T”型剪口</source>
        <translation>Przed konturami szukaj nacięć „T”</translation>
    </message>
    <message>
        <source>识别轮廓前，先识别“I”型剪口</source>
        <translation>Przed konturami szukaj nacięć „I”</translation>
    </message>
    <message>
        <source>切割轮廓识别出来的剪口</source>
        <translation>Wycinaj nacięcia znalezione na konturach</translation>
    </message>
    <message>
        <source>文件打开时检测到有切割线时不识别外轮廓</source>
        <translation>Nie szukaj konturów, gdy plik ma linie cięcia</translation>
    </message>
    <message>
        <source>自动优化对称片切割顺序</source>
        <translation>Optymalizuj kolejność cięcia elementów symetrycznych</translation>
    </message>
    <message>
        <source>DXF文件单位(1,4,10,40,100,400,1000...)</source>
        <translation>Jednostka pliku DXF (1,4,10,40,100,400,1000...)</translation>
    </message>
    <message>
        <source>按AAMA/ASTM图层读取服装DXF文件(切割线,单位,尺码)</source>
        <translation>Czytaj odzieżowe pliki DXF według warstw AAMA/ASTM (linie cięcia, jednostki, rozmiary)</translation>
    </message>
    <message>
        <source>(喷墨模式)只绘不切</source>
        <translation>Tylko rysuj, bez cięcia (tryb atramentowy)</translation>
    </message>
    <message>
        <source>绘切割线</source>
        <translation>Rysuj także linie cięcia</translation>
    </message>
    <message>
        <source>开始打印前清洗喷头</source>
        <translation>Czyść głowice przed drukiem</translation>
    </message>
    <message>
        <source>每段开始清洗喷头</source>
        <translation>Czyść głowice na początku każdego odcinka</translation>
    </message>
    <message>
        <source>宽幅模式(分页前自动旋转)</source>
        <translation>Tryb szeroki (obrót przed podziałem na strony)</translation>
    </message>
    <message>
        <source>是否镜像</source>
        <translation>Odbicie lustrzane</translation>
    </message>
    <message>
        <source>分页</source>
        <translation>Podział na strony</translation>
    </message>
    <message>
        <source>分页宽度(mm)</source>
        <translation>Szerokość strony (mm)</translation>
    </message>
    <message>
        <source>字体缩放比例(20%~500%)</source>
        <translation>Skala czcionki (20%~500%)</translation>
    </message>
    <message>
        <source>自动删除列表中已经完成的项</source>
        <translation>Automatycznie usuwaj ukończone zadania z listy</translation>
    </message>
    <message>
        <source>切割时跳过U形剪口,并把U形剪口变成绘图</source>
        <translation>Pomijaj nacięcia U przy cięciu i rysuj je</translation>
    </message>
    <message>
        <source>线条变打孔</source>
        <translation>Linie jako perforacja</translation>
    </message>
    <message>
        <source>孔间隔(mm)</source>
        <translation>Odstęp otworów (mm)</translation>
    </message>
    <message>
        <source>边线调整</source>
        <translation>Regulacja krawędzi</translation>
    </message>
    <message>
        <source>缓冲(0~50mm)</source>
        <translation>Bufor (0~50mm)</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Z lewej</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Z prawej</translation>
    </message>
    <message>
        <source>边距(0~200mm)</source>
        <translation>Margines (0~200mm)</translation>
    </message>
    <message>
        <source>边线(-5-5)像素</source>
        <translation>Krawędź (-5-5) piks.</translation>
    </message>
    <message>
        <source>喷墨参数</source>
        <translation>Parametry druku</translation>
    </message>
    <message>
        <source>双向打印</source>
        <translation>Druk dwukierunkowy</translation>
    </message>
    <message>
        <source>1#2#喷头X向重合点数(0~10)</source>
        <translation>Zakładka głowic 1#2# w X, punkty (0~10)</translation>
    </message>
    <message>
        <source>来回校正(0~50.00mm)</source>
        <translation>Korekcja dwukierunkowa (0~50.00mm)</translation>
    </message>
    <message>
        <source>喷头位置</source>
        <translation>Położenie głowic</translation>
    </message>
    <message>
        <source>向左打印时</source>
        <translation>Przy druku w lewo</translation>
    </message>
    <message>
        <source>向右打印时</source>
        <translation>Przy druku w prawo</translation>
    </message>
    <message>
        <source>喷头重合(单位:pix)</source>
        <translation>Zakładka głowic (jedn.: pix)</translation>
    </message>
    <message>
        <source>1#2#之间(0~10)</source>
        <translation>Między 1# a 2# (0~10)</translation>
    </message>
    <message>
        <source>2#3#之间(0~10)</source>
        <translation>Między 2# a 3# (0~10)</translation>
    </message>
    <message>
        <source>3#4#之间(0~10)</source>
        <translation>Między 3# a 4# (0~10)</translation>
    </message>
    <message>
        <source>喷头位置(单位:pix)</source>
        <translation>Położenie głowic (jedn.: pix)</translation>
    </message>
    <message>
        <source>切割参数</source>
        <translation>Parametry cięcia</translation>
    </message>
    <message>
        <source>刀压</source>
        <translation>Nacisk noża</translation>
    </message>
    <message>
        <source>切割方式(0-不减速 1-减速抬刀)</source>
        <translation>Tryb cięcia (0-bez zwalniania 1-zwolnij i unieś nóż)</translation>
    </message>
    <message>
        <source>全刀切割长度(20~100)(mm)</source>
        <translation>Długość pełnego cięcia (20~100)(mm)</translation>
    </message>
    <message>
        <source>粘连量(0.1~3.0)(mm)</source>
        <translation>Długość mostka (0.1~3.0)(mm)</translation>
    </message>
    <message>
        <source>电磁铁响应延迟(0.0~20.0)(ms)</source>
        <translation>Opóźnienie elektromagnesu (0.0~20.0)(ms)</translation>
    </message>
    <message>
        <source>喷切重合(X)(-200.0~200.0)(mm)</source>
        <translation>Zgranie druku i cięcia (X)(-200.0~200.0)(mm)</translation>
    </message>
    <message>
        <source>喷切重合(Y)(-200.0~200.0)(mm)</source>
        <translation>Zgranie druku i cięcia (Y)(-200.0~200.0)(mm)</translation>
    </message>
    <message>
        <source>刀尖补偿(0~2)(mm)</source>
        <translation>Kompensacja ostrza (0~2)(mm)</translation>
    </message>
    <message>
        <source>启动刀压(2~199)</source>
        <translation>Nacisk początkowy (2~199)</translation>
    </message>
    <message>
        <source>全刀刀压(2~199)</source>
        <translation>Nacisk pełnego cięcia (2~199)</translation>
    </message>
    <message>
        <source>半刀刀压(0~50)</source>
        <translation>Nacisk półcięcia (0~50)</translation>
    </message>
    <message>
        <source>送纸参数</source>
        <translation>Parametry podawania papieru</translation>
    </message>
    <message>
        <source>文件尾切割(mm)</source>
        <translation>Odcięcie na końcu pliku (mm)</translation>
    </message>
    <message>
        <source>打印前进纸长度(0~250mm)</source>
        <translation>Podanie przed drukiem (0~250mm)</translation>
    </message>
    <message>
        <source>打印后进纸长度(0~250mm)</source>
        <translation>Podanie po druku (0~250mm)</translation>
    </message>
    <message>
        <source>喷墨模式时也裁纸</source>
        <translation>Odcinaj papier także w trybie atramentowym</translation>
    </message>
    <message>
        <source>起点Y坐标：</source>
        <translation>Początek Y:</translation>
    </message>
    <message>
        <source>终点Y坐标：</source>
        <translation>Koniec Y:</translation>
    </message>
    <message>
        <source>裁纸中间粘连量(0.0~5.0mm)</source>
        <translation>Mostek przy odcinaniu (0.0~5.0mm)</translation>
    </message>
    <message>
        <source>尾切割线与裁片距离(0~50mm)</source>
        <translation>Odległość linii odcięcia od elementów (0~50mm)</translation>
    </message>
    <message>
        <source>齿轮比调整</source>
        <translation>Przełożenie</translation>
    </message>
    <message>
        <source>喷墨频率</source>
        <translation>Częstotliwość druku</translation>
    </message>
    <message>
        <source>图形分段</source>
        <translation>Podział na odcinki</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Prędkość</translation>
    </message>
    <message>
        <source>空程速度</source>
        <translation>Prędkość jałowa</translation>
    </message>
    <message>
        <source>切割速度</source>
        <translation>Prędkość cięcia</translation>
    </message>
    <message>
        <source>走纸轴每mm脉冲数(30~200)</source>
        <translation>Impulsy na mm osi papieru (30~200)</translation>
    </message>
    <message>
        <source>小车轴每mm脉冲数(30~200)</source>
        <translation>Impulsy na mm osi karetki (30~200)</translation>
    </message>
    <message>
        <source>点火脉宽(18~25)</source>
        <translation>Szerokość impulsu (18~25)</translation>
    </message>
    <message>
        <source>喷墨间隔脉冲数</source>
        <translation>Impulsy między wystrzałami</translation>
    </message>
    <message>
        <source>喷头左右两列距离(20~40像素)</source>
        <translation>Odstęp dwóch rzędów dysz (20~40 piks.)</translation>
    </message>
    <message>
        <source>喷多少次切割一段</source>
        <translation>Pasy druku na odcinek cięcia</translation>
    </message>
    <message>
        <source>段间重叠补偿(0.00mm~2.00mm)</source>
        <translation>Kompensacja zakładki odcinków (0.00mm~2.00mm)</translation>
    </message>
    <message>
        <source>进退纸方向</source>
        <translation>Kierunek podawania papieru</translation>
    </message>
    <message>
        <source>进退纸</source>
        <translation>Posuw papieru</translation>
    </message>
    <message>
        <source>最大速度(100~600mm/s)</source>
        <translation>Prędkość maks. (100~600mm/s)</translation>
    </message>
    <message>
        <source>加速度(0.5~10 m/s^2)</source>
        <translation>Przyspieszenie (0.5~10 m/s^2)</translation>
    </message>
    <message>
        <source>长距离时降速比(20%~100%)</source>
        <translation>Prędkość na długich odcinkach (20%~100%)</translation>
    </message>
    <message>
        <source>小车方向</source>
        <translation>Kierunek karetki</translation>
    </message>
    <message>
        <source>小车</source>
        <translation>Karetka</translation>
    </message>
    <message>
        <source>最大速度(400~1200mm/s)</source>
        <translation>Prędkość maks. (400~1200mm/s)</translation>
    </message>
    <message>
        <source>加速度(1~20 m/s^2)</source>
        <translation>Przyspieszenie (1~20 m/s^2)</translation>
    </message>
    <message>
        <source>切割时</source>
        <translation>Podczas cięcia</translation>
    </message>
    <message>
        <source>最大速度(50~600mm/s)</source>
        <translation>Prędkość maks. (50~600mm/s)</translation>
    </message>
    <message>
        <source>加速度(0.2~5 m/s^2)</source>
        <translation>Przyspieszenie (0.2~5 m/s^2)</translation>
    </message>
    <message>
        <source>软限位</source>
        <translation>Limit programowy</translation>
    </message>
    <message>
        <source>机头移动位置超出时停止(mm)</source>
        <translation>Zatrzymaj, gdy głowica przekroczy (mm)</translation>
    </message>
</context>
<context>
    <name>ParaPage</name>
    <message>
        <source>截图保存</source>
        <translation>Zapisz zrzut</translation>
    </message>
    <message>
        <source>保存截图</source>
        <translation>Zapisz zrzut</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TrainingDock</name>
    <message>
        <source>虚拟绘图仪无法启动：%1</source>
        <translation>Nie można uruchomić wirtualnego plotera: %1</translation>
    </message>
    <message>
        <source>虚拟绘图仪</source>
        <translation>Wirtualny ploter</translation>
    </message>
</context>
<context>
    <name>TrainingPlotterView</name>
    <message>
        <source>虚拟绘图仪已就绪，等待任务。</source>
        <translation>Wirtualny ploter jest gotowy i czeka na zadanie.</translation>
    </message>
    <message>
        <source>正在接收</source>
        <translation>odbieranie</translation>
    </message>
    <message>
        <source>已完成</source>
        <translation>zakończone</translation>
    </message>
    <message>
        <source>已停止</source>
        <translation>zatrzymane</translation>
    </message>
    <message>
        <source>机器离开了打印状态</source>
        <translation>maszyna przerwała druk</translation>
    </message>
    <message>
        <source>被新任务取代</source>
        <translation>zastąpione nowym zadaniem</translation>
    </message>
    <message>
        <source>任务 %1：%2，%3 个喷墨带，%4 段切割</source>
        <translation>Zadanie %1: %2, pasów: %3, odcinków cięcia: %4</translation>
    </message>
    <message>
        <source>喷墨</source>
        <translation>Atrament</translation>
    </message>
    <message>
        <source>切割</source>
        <translation>Nóż</translation>
    </message>
    <message>
        <source>墨点太多，无法显示</source>
        <translation>Za dużo punktów do pokazania</translation>
    </message>
</context>
<context>
    <name>ViewContextMenu</name>
    <message>
        <source>全选</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>撤销	Ctrl+Z</source>
        <translation>Cofnij	Ctrl+Z</translation>
    </message>
    <message>
        <source>重做	Ctrl+Y</source>
        <translation>Ponów	Ctrl+Y</translation>
    </message>
    <message>
        <source>识别图形外轮廓</source>
        <translation>Rozpoznaj kontury</translation>
    </message>
    <message>
        <source>转换为绘图	Ctrl+1</source>
        <translation>Zamień na rysunek	Ctrl+1</translation>
    </message>
    <message>
        <source>转换为切割	Ctrl+2</source>
        <translation>Zamień na cięcie	Ctrl+2</translation>
    </message>
    <message>
        <source>旋转90度</source>
        <translation>Obróć o 90°</translation>
    </message>
    <message>
        <source>Y向(纸宽方向)手动分页</source>
        <translation>Ręczny podział na strony w Y (szerokość papieru)</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>喷墨数据</source>
        <translation>Dane druku</translation>
    </message>
    <message>
        <source>切割数据</source>
        <translation>Dane cięcia</translation>
    </message>
    <message>
        <source>删除所选	Delete</source>
        <translation>Usuń zaznaczone	Delete</translation>
    </message>
    <message>
        <source>图形平移至左下角</source>
        <translation>Przesuń do lewego dolnego rogu</translation>
    </message>
    <message>
        <source>曲线按角度打断	Ctrl+D</source>
        <translation>Podziel krzywe według kąta	Ctrl+D</translation>
    </message>
    <message>
        <source>曲线反向</source>
        <translation>Odwróć kierunek krzywych</translation>
    </message>
</context>
<context>
    <name>pv::ui::CColorStatusBar</name>
    <message>
        <source>鼠标:(0mm,0mm)</source>
        <translation>Mysz:(0mm,0mm)</translation>
    </message>
    <message>
        <source>机器状态</source>
        <translation>Stan maszyny</translation>
    </message>
    <message>
        <source>X:0 Y:0</source>
        <translation>X:0 Y:0</translation>
    </message>
    <message>
        <source>Machine IP</source>
        <translation>Machine IP</translation>
    </message>
    <message>
        <source>PC IP</source>
        <translation>PC IP</translation>
    </message>
    <message>
        <source>IVS</source>
        <translation>IVS</translation>
    </message>
</context>
<context>
    <name>CDlgGarmentSizes</name>
    <message>
        <source>选择尺码</source>
        <translation>Wybór rozmiarów</translation>
    </message>
    <message>
        <source>文件中有多个尺码, 请勾选要加入任务的尺码:</source>
        <translation>Plik zawiera kilka rozmiarów; zaznacz rozmiary do dodania do zadania:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Anuluj</translation>
    </message>
</context>
</TS>
