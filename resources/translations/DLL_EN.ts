<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>产品:</source>
        <translation>Product:</translation>
    </message>
    <message>
        <source> 喷墨切割一体机输出中心</source>
        <translation> inkjet and cutting plotter output centre</translation>
    </message>
    <message>
        <source>公司:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>绘图仪输出中心开发组</source>
        <translation>Plotter output centre team</translation>
    </message>
    <message>
        <source>网址:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>联系:</source>
        <translation>Contact:</translation>
    </message>
    <message>
        <source>发布日期:</source>
        <translation>Released:</translation>
    </message>
    <message>
        <source>程序目录:</source>
        <translation>Program folder:</translation>
    </message>
</context>
<context>
    <name>CDlgFirmUpdate</name>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
</context>
<context>
    <name>CDlgGetIntInput</name>
    <message>
        <source>输入</source>
        <translation>Input</translation>
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
        <translation>Input</translation>
    </message>
    <message>
        <source>请输入密码:</source>
        <translation>Please enter the password:</translation>
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
        <translation>Ink statistics</translation>
    </message>
    <message>
        <source>在主界面显示墨量信息</source>
        <translation>Show the ink left in the main window</translation>
    </message>
    <message>
        <source>1# 已使用</source>
        <translation>1# used</translation>
    </message>
    <message>
        <source>2# 已使用</source>
        <translation>2# used</translation>
    </message>
    <message>
        <source>清零(换新墨盒)</source>
        <translation>Reset (new cartridge)</translation>
    </message>
    <message>
        <source>总容量</source>
        <translation>Capacity</translation>
    </message>
    <message>
        <source>提示：HP45新墨盒墨量大约40mL(毫升)左右</source>
        <translation>Hint: a new HP45 cartridge holds about 40 mL of ink</translation>
    </message>
    <message>
        <source>一个喷孔喷一滴墨水理论为5pL(5*10^-9mL)</source>
        <translation>In theory one drop from one nozzle is 5 pL (5*10^-9 mL)</translation>
    </message>
</context>
<context>
    <name>CDlgOffset</name>
    <message>
        <source>偏移设定</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>左偏移</source>
        <translation>Left offset</translation>
    </message>
</context>
<context>
    <name>CDlgPAdv</name>
    <message>
        <source>解除锁定</source>
        <translation>Unlock</translation>
    </message>
    <message>
        <source>推荐值</source>
        <translation>Recommended</translation>
    </message>
</context>
<context>
    <name>CDlgPDir</name>
    <message>
        <source>手动目录</source>
        <translation>Manual folder</translation>
    </message>
    <message>
        <source>自动目录</source>
        <translation>Automatic folder</translation>
    </message>
    <message>
        <source>备份目录</source>
        <translation>Backup folder</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>自动备份已打印的文件</source>
        <translation>Back up printed files automatically</translation>
    </message>
    <message>
        <source>文件过滤：</source>
        <translation>File filter:</translation>
    </message>
    <message>
        <source>logo设置:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <source>logo字体大小(0~10)</source>
        <translation>Logo font size (0~10)</translation>
    </message>
    <message>
        <source>线条粗细设置</source>
        <translation>Line width</translation>
    </message>
    <message>
        <source>%1像素</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>线条加黑</source>
        <translation>Darker lines</translation>
    </message>
</context>
<context>
    <name>CDlgPMac</name>
    <message>
        <source>喷头组合</source>
        <translation>Head combination</translation>
    </message>
    <message>
        <source>启用1#喷头</source>
        <translation>Use head 1#</translation>
    </message>
    <message>
        <source>启用2#喷头</source>
        <translation>Use head 2#</translation>
    </message>
</context>
<context>
    <name>CDlgPMisc</name>
    <message>
        <source>手动打开时，默认的扩展名</source>
        <translation>Default file type when adding by hand</translation>
    </message>
    <message>
        <source>所有文件(*.*)</source>
        <translation>All files(*.*)</translation>
    </message>
    <message>
        <source>HPGL文件(*.p*;*.h*;*.spl)</source>
        <translation>HPGL files(*.p*;*.h*;*.spl)</translation>
    </message>
    <message>
        <source>dxf文件(*.dxf)</source>
        <translation>DXF files(*.dxf)</translation>
    </message>
    <message>
        <source>支持的文件(*.plt;*.p0*;*.hpg;*.dxf)</source>
        <translation>Supported files(*.plt;*.p0*;*.hpg;*.dxf)</translation>
    </message>
    <message>
        <source>定制功能</source>
        <translation>Custom functions</translation>
    </message>
    <message>
        <source>允许移动选中的曲线</source>
        <translation>Allow moving the selected curves</translation>
    </message>
</context>
<context>
    <name>CDlgPSize</name>
    <message>
        <source>尺寸相关</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>设计尺寸</source>
        <translation>Design size</translation>
    </message>
    <message>
        <source>测量尺寸</source>
        <translation>Measured size</translation>
    </message>
    <message>
        <source>缩放比例</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>纸长方向:</source>
        <translation>Along the paper:</translation>
    </message>
    <message>
        <source>纸宽方向:</source>
        <translation>Across the paper:</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>比例参数存于主板</source>
        <translation>Keep the scale on the mainboard</translation>
    </message>
    <message>
        <source>比例参数存于电脑</source>
        <translation>Keep the scale on this computer</translation>
    </message>
</context>
<context>
    <name>CDlgPara</name>
    <message>
        <source>参数设置</source>
        <translation>Parameters</translation>
    </message>
</context>
<context>
    <name>CDlgPropTextAdd</name>
    <message>
        <source>文字属性</source>
        <translation>Text properties</translation>
    </message>
    <message>
        <source>坐标X(mm)：</source>
        <translation>X (mm):</translation>
    </message>
    <message>
        <source>坐标Y(mm)：</source>
        <translation>Y (mm):</translation>
    </message>
    <message>
        <source>角度(-179~180度)：</source>
        <translation>Angle (-179~180°):</translation>
    </message>
    <message>
        <source>字体大小(0~9)：</source>
        <translation>Font size (0~9):</translation>
    </message>
    <message>
        <source>文字内容：</source>
        <translation>Text:</translation>
    </message>
</context>
<context>
    <name>CDlgSetEth</name>
    <message>
        <source>网络设置</source>
        <translation>Network settings</translation>
    </message>
    <message>
        <source>绘图仪IP</source>
        <translation>Plotter IP</translation>
    </message>
    <message>
        <source>提示1：将绘图仪IP的前3段和电脑IP前3段的数字设置成一样才能正常联机</source>
        <translation>Hint 1: the plotter connects only when the first three numbers of its IP are the same as the first three of this computer&apos;s IP</translation>
    </message>
    <message>
        <source>提示2：开机时，按住面板上的“启动/暂停”键，机器IP将临时恢复为默认值(192.168.1.176)，如果需要保存，请在联机成功后，按下面的确定键</source>
        <translation>Hint 2: holding the “Start/Pause” key on the panel while the machine is switched on brings its IP back to the default (192.168.1.176) for that session; to keep it, press OK below once connected</translation>
    </message>
</context>
<context>
    <name>CDlgSetPltUnit</name>
    <message>
        <source>PLT文件单位</source>
        <translation>PLT file unit</translation>
    </message>
    <message>
        <source>绘图单位 </source>
        <translation>Plot unit </translation>
    </message>
    <message>
        <source>下次打开plt时不弹出此对话框</source>
        <translation>Do not show this dialog when opening a plt next time</translation>
    </message>
    <message>
        <source>提示:
    对于大多数CAD软件输出的plt, 1个数据单位代表0.0250mm, 这里应该选择“0.0250mm(常规)” 但某些软件(如格博)输出的plt, 1个数据单位代表1mil(即0.0254mm), 这里应该选择“0.0254mm” 如果选择了不合适的绘图单位, 会导致输出的图形尺寸有偏差.</source>
        <translation>Hint:
    In the plt files of most CAD programs one unit is 0.0250 mm: choose &quot;0.0250mm&quot; here. Some programs write one unit as 1 mil (0.0254 mm): choose &quot;0.0254mm&quot; for them. A wrong plot unit makes the output the wrong size.</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CHistoryWnd</name>
    <message>
        <source>打印记录</source>
        <translation>Print History</translation>
    </message>
    <message>
        <source>时间段:</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>今天</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>最近7天</source>
        <translation>Last 7 days</translation>
    </message>
    <message>
        <source>最近30天</source>
        <translation>Last 30 days</translation>
    </message>
    <message>
        <source>最近一年</source>
        <translation>Last 12 months</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>结果:</source>
        <translation>Result:</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>导出CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Started</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>来源</source>
        <translation>From</translation>
    </message>
    <message>
        <source>份</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>用时</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>带</source>
        <translation>Bands</translation>
    </message>
    <message>
        <source>宽*长(mm)</source>
        <translation>W*L (mm)</translation>
    </message>
    <message>
        <source>纸张(m)</source>
        <translation>Paper (m)</translation>
    </message>
    <message>
        <source>切割(m)</source>
        <translation>Knife (m)</translation>
    </message>
    <message>
        <source>%1# 墨水(mL)</source>
        <translation>Ink %1# (mL)</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>打印中</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Finished</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>中断</source>
        <translation>Interrupted</translation>
    </message>
    <message>
        <source>手动打开</source>
        <translation>Manual Add</translation>
    </message>
    <message>
        <source>手动目录</source>
        <translation>Manual Folder</translation>
    </message>
    <message>
        <source>自动目录</source>
        <translation>Automatic Folder</translation>
    </message>
    <message>
        <source>网络</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>命令行</source>
        <translation>Command Line</translation>
    </message>
    <message>
        <source>打印记录无法读取: %1</source>
        <translation>The print history cannot be read: %1</translation>
    </message>
    <message>
        <source>共 %1 份（完成 %2，停止 %3，失败 %4，中断 %5）  机器时间 %6  纸张 %7 m  切割 %8 m</source>
        <translation>%1 copies (%2 finished, %3 stopped, %4 failed, %5 interrupted)  machine time %6  paper %7 m  knife %8 m</translation>
    </message>
    <message>
        <source>%1# 墨水 %2 mL</source>
        <translation>ink %1# %2 mL</translation>
    </message>
    <message>
        <source>最长: %1 (%2)</source>
        <translation>longest: %1 (%2)</translation>
    </message>
    <message>
        <source>导出CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>文件未写入: %1</source>
        <translation>The file was not written: %1</translation>
    </message>
</context>
<context>
    <name>CMyDlgBar</name>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>加入排队</source>
        <translation>Queue in</translation>
    </message>
    <message>
        <source>移出排队</source>
        <translation>Queue out</translation>
    </message>
    <message>
        <source>全部移出</source>
        <translation>All out</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
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
        <translation>Left</translation>
    </message>
    <message>
        <source>右走</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>进纸</source>
        <translation>Feed</translation>
    </message>
    <message>
        <source>退纸</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>裁断</source>
        <translation>Cut off</translation>
    </message>
    <message>
        <source>偏移</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>参数</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>落刀</source>
        <translation>Knife</translation>
    </message>
    <message>
        <source>风扇</source>
        <translation>Fan</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>语言设置改变，重启生效</source>
        <translation>Takes effect after a restart</translation>
    </message>
</context>
<context>
    <name>CMyListView</name>
    <message>
        <source>修改份数</source>
        <translation>Change copies</translation>
    </message>
    <message>
        <source>修改起始位置</source>
        <translation>Change start position</translation>
    </message>
    <message>
        <source>删除“已完成”</source>
        <translation>Delete &quot;finished&quot;</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>加入队列</source>
        <translation>Queue in</translation>
    </message>
    <message>
        <source>移出队列</source>
        <translation>Queue out</translation>
    </message>
    <message>
        <source>全部移出</source>
        <translation>All out</translation>
    </message>
</context>
<context>
    <name>CPelvaneDoc</name>
    <message>
        <source>立式切割机打印任务(*.pvtask)</source>
        <translation>Vertical cutter print task(*.pvtask)</translation>
    </message>
    <message>
        <source>恢复打印任务</source>
        <translation>Restore print task</translation>
    </message>
</context>
<context>
    <name>FieldCheck</name>
    <message>
        <source>请输入一个整数。</source>
        <translation>Please enter an integer.</translation>
    </message>
    <message>
        <source>请输入一个数字。</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <source>请输入一个 %1 至 %2 之间的整数。</source>
        <translation>Please enter an integer between %1 and %2.</translation>
    </message>
    <message>
        <source>请输入一个 %1 至 %2 之间的数字。</source>
        <translation>Please enter a number between %1 and %2.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>打印记录</source>
        <translation>Print History</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>调机文件(&amp;T)</source>
        <translation>&amp;Test plots</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>设置(&amp;S)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>参数</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>绘图单位</source>
        <translation>Plot unit</translation>
    </message>
    <message>
        <source>墨量统计</source>
        <translation>Ink statistics</translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>适合屏幕</source>
        <translation>Fit to window</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>隐藏</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>通讯端口(&amp;C)</source>
        <translation>&amp;Connection</translation>
    </message>
    <message>
        <source>网口</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>关于(&amp;A)...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>固件更新(&amp;U)</source>
        <translation>Firmware &amp;update</translation>
    </message>
    <message>
        <source>虚拟绘图仪</source>
        <translation>Virtual plotter</translation>
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
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ParaFields</name>
    <message>
        <source>读取绘图文件时自动将外轮廓识别为切割线</source>
        <translation>Make outlines cut lines when reading a file</translation>
    </message>
    <message>
        <source>识别轮廓前，先识别“T”型剪口</source>
        <translation>Find &quot;T&quot; notches before outlines</translation>
    </message>
    <message>
        <source>识别轮廓前，先识别“I”型剪口</source>
        <translation>Find &quot;I&quot; notches before outlines</translation>
    </message>
    <message>
        <source>切割轮廓识别出来的剪口</source>
        <translation>Cut the notches found on outlines</translation>
    </message>
    <message>
        <source>文件打开时检测到有切割线时不识别外轮廓</source>
        <translation>Do not look for outlines when a file has cut lines</translation>
    </message>
    <message>
        <source>自动优化对称片切割顺序</source>
        <translation>Optimise the cutting order of symmetric pieces</translation>
    </message>
    <message>
        <source>DXF文件单位(1,4,10,40,100,400,1000...)</source>
        <translation>DXF file unit (1,4,10,40,100,400,1000...)</translation>
    </message>
    <message>
        <source>按AAMA/ASTM图层读取服装DXF文件(切割线,单位,尺码)</source>
        <translation>Read garment DXF files by their AAMA/ASTM layers (cut lines, units, sizes)</translation>
    </message>
    <message>
        <source>(喷墨模式)只绘不切</source>
        <translation>Draw only, no cutting (inkjet mode)</translation>
    </message>
    <message>
        <source>绘切割线</source>
        <translation>Draw the cut lines too</translation>
    </message>
    <message>
        <source>开始打印前清洗喷头</source>
        <translation>Clean the heads before printing</translation>
    </message>
    <message>
        <source>每段开始清洗喷头</source>
        <translation>Clean the heads at each section</translation>
    </message>
    <message>
        <source>宽幅模式(分页前自动旋转)</source>
        <translation>Wide mode (rotate before splitting into pages)</translation>
    </message>
    <message>
        <source>是否镜像</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>分页</source>
        <translation>Split into pages</translation>
    </message>
    <message>
        <source>分页宽度(mm)</source>
        <translation>Page width (mm)</translation>
    </message>
    <message>
        <source>字体缩放比例(20%~500%)</source>
        <translation>Font scale (20%~500%)</translation>
    </message>
    <message>
        <source>自动删除列表中已经完成的项</source>
        <translation>Remove finished jobs from the list</translation>
    </message>
    <message>
        <source>切割时跳过U形剪口,并把U形剪口变成绘图</source>
        <translation>Skip U notches when cutting and draw them instead</translation>
    </message>
    <message>
        <source>线条变打孔</source>
        <translation>Lines to holes</translation>
    </message>
    <message>
        <source>孔间隔(mm)</source>
        <translation>Hole spacing (mm)</translation>
    </message>
    <message>
        <source>边线调整</source>
        <translation>Edge adjustment</translation>
    </message>
    <message>
        <source>缓冲(0~50mm)</source>
        <translation>Buffer (0~50mm)</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>边距(0~200mm)</source>
        <translation>Margin (0~200mm)</translation>
    </message>
    <message>
        <source>边线(-5-5)像素</source>
        <translation>Edge (-5-5) px</translation>
    </message>
    <message>
        <source>喷墨参数</source>
        <translation>Inkjet parameters</translation>
    </message>
    <message>
        <source>双向打印</source>
        <translation>Bidirectional printing</translation>
    </message>
    <message>
        <source>1#2#喷头X向重合点数(0~10)</source>
        <translation>1#/2# head overlap in X, dots (0~10)</translation>
    </message>
    <message>
        <source>来回校正(0~50.00mm)</source>
        <translation>Bidirectional correction (0~50.00mm)</translation>
    </message>
    <message>
        <source>喷头位置</source>
        <translation>Head position</translation>
    </message>
    <message>
        <source>向左打印时</source>
        <translation>Printing to the left</translation>
    </message>
    <message>
        <source>向右打印时</source>
        <translation>Printing to the right</translation>
    </message>
    <message>
        <source>喷头重合(单位:pix)</source>
        <translation>Head overlap (unit: pix)</translation>
    </message>
    <message>
        <source>1#2#之间(0~10)</source>
        <translation>Between 1# and 2# (0~10)</translation>
    </message>
    <message>
        <source>2#3#之间(0~10)</source>
        <translation>Between 2# and 3# (0~10)</translation>
    </message>
    <message>
        <source>3#4#之间(0~10)</source>
        <translation>Between 3# and 4# (0~10)</translation>
    </message>
    <message>
        <source>喷头位置(单位:pix)</source>
        <translation>Head position (unit: pix)</translation>
    </message>
    <message>
        <source>切割参数</source>
        <translation>Cutting parameters</translation>
    </message>
    <message>
        <source>刀压</source>
        <translation>Knife pressure</translation>
    </message>
    <message>
        <source>切割方式(0-不减速 1-减速抬刀)</source>
        <translation>Cut mode (0-no slow-down 1-slow down and lift)</translation>
    </message>
    <message>
        <source>全刀切割长度(20~100)(mm)</source>
        <translation>Full cut length (20~100)(mm)</translation>
    </message>
    <message>
        <source>粘连量(0.1~3.0)(mm)</source>
        <translation>Bridge length (0.1~3.0)(mm)</translation>
    </message>
    <message>
        <source>电磁铁响应延迟(0.0~20.0)(ms)</source>
        <translation>Solenoid delay (0.0~20.0)(ms)</translation>
    </message>
    <message>
        <source>喷切重合(X)(-200.0~200.0)(mm)</source>
        <translation>Print to cut offset (X)(-200.0~200.0)(mm)</translation>
    </message>
    <message>
        <source>喷切重合(Y)(-200.0~200.0)(mm)</source>
        <translation>Print to cut offset (Y)(-200.0~200.0)(mm)</translation>
    </message>
    <message>
        <source>刀尖补偿(0~2)(mm)</source>
        <translation>Knife tip offset (0~2)(mm)</translation>
    </message>
    <message>
        <source>启动刀压(2~199)</source>
        <translation>Starting pressure (2~199)</translation>
    </message>
    <message>
        <source>全刀刀压(2~199)</source>
        <translation>Full cut pressure (2~199)</translation>
    </message>
    <message>
        <source>半刀刀压(0~50)</source>
        <translation>Half cut pressure (0~50)</translation>
    </message>
    <message>
        <source>送纸参数</source>
        <translation>Paper feed parameters</translation>
    </message>
    <message>
        <source>文件尾切割(mm)</source>
        <translation>Cut-off at the end (mm)</translation>
    </message>
    <message>
        <source>打印前进纸长度(0~250mm)</source>
        <translation>Feed before printing (0~250mm)</translation>
    </message>
    <message>
        <source>打印后进纸长度(0~250mm)</source>
        <translation>Feed after printing (0~250mm)</translation>
    </message>
    <message>
        <source>喷墨模式时也裁纸</source>
        <translation>Cut off in inkjet mode too</translation>
    </message>
    <message>
        <source>起点Y坐标：</source>
        <translation>Start Y:</translation>
    </message>
    <message>
        <source>终点Y坐标：</source>
        <translation>End Y:</translation>
    </message>
    <message>
        <source>裁纸中间粘连量(0.0~5.0mm)</source>
        <translation>Cut-off bridge (0.0~5.0mm)</translation>
    </message>
    <message>
        <source>尾切割线与裁片距离(0~50mm)</source>
        <translation>Cut-off line to pieces (0~50mm)</translation>
    </message>
    <message>
        <source>齿轮比调整</source>
        <translation>Gear ratio</translation>
    </message>
    <message>
        <source>喷墨频率</source>
        <translation>Firing rate</translation>
    </message>
    <message>
        <source>图形分段</source>
        <translation>Segments</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>空程速度</source>
        <translation>Travel speed</translation>
    </message>
    <message>
        <source>切割速度</source>
        <translation>Cutting speed</translation>
    </message>
    <message>
        <source>走纸轴每mm脉冲数(30~200)</source>
        <translation>Feed axis pulses per mm (30~200)</translation>
    </message>
    <message>
        <source>小车轴每mm脉冲数(30~200)</source>
        <translation>Carriage axis pulses per mm (30~200)</translation>
    </message>
    <message>
        <source>点火脉宽(18~25)</source>
        <translation>Fire pulse width (18~25)</translation>
    </message>
    <message>
        <source>喷墨间隔脉冲数</source>
        <translation>Pulses between firings</translation>
    </message>
    <message>
        <source>喷头左右两列距离(20~40像素)</source>
        <translation>Gap between the head&apos;s two columns (20~40 px)</translation>
    </message>
    <message>
        <source>喷多少次切割一段</source>
        <translation>Bands per cut segment</translation>
    </message>
    <message>
        <source>段间重叠补偿(0.00mm~2.00mm)</source>
        <translation>Segment overlap compensation (0.00mm~2.00mm)</translation>
    </message>
    <message>
        <source>进退纸方向</source>
        <translation>Paper feed direction</translation>
    </message>
    <message>
        <source>进退纸</source>
        <translation>Paper feed</translation>
    </message>
    <message>
        <source>最大速度(100~600mm/s)</source>
        <translation>Max speed (100~600mm/s)</translation>
    </message>
    <message>
        <source>加速度(0.5~10 m/s^2)</source>
        <translation>Acceleration (0.5~10 m/s^2)</translation>
    </message>
    <message>
        <source>长距离时降速比(20%~100%)</source>
        <translation>Long move speed ratio (20%~100%)</translation>
    </message>
    <message>
        <source>小车方向</source>
        <translation>Carriage direction</translation>
    </message>
    <message>
        <source>小车</source>
        <translation>Carriage</translation>
    </message>
    <message>
        <source>最大速度(400~1200mm/s)</source>
        <translation>Max speed (400~1200mm/s)</translation>
    </message>
    <message>
        <source>加速度(1~20 m/s^2)</source>
        <translation>Acceleration (1~20 m/s^2)</translation>
    </message>
    <message>
        <source>切割时</source>
        <translation>When cutting</translation>
    </message>
    <message>
        <source>最大速度(50~600mm/s)</source>
        <translation>Max speed (50~600mm/s)</translation>
    </message>
    <message>
        <source>加速度(0.2~5 m/s^2)</source>
        <translation>Acceleration (0.2~5 m/s^2)</translation>
    </message>
    <message>
        <source>软限位</source>
        <translation>Soft limit</translation>
    </message>
    <message>
        <source>机头移动位置超出时停止(mm)</source>
        <translation>Stop when the head goes beyond (mm)</translation>
    </message>
</context>
<context>
    <name>ParaPage</name>
    <message>
        <source>截图保存</source>
        <translation>Save capture</translation>
    </message>
    <message>
        <source>保存截图</source>
        <translation>Save capture</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TrainingDock</name>
    <message>
        <source>虚拟绘图仪无法启动：%1</source>
        <translation>The virtual plotter could not start: %1</translation>
    </message>
    <message>
        <source>虚拟绘图仪</source>
        <translation>Virtual plotter</translation>
    </message>
</context>
<context>
    <name>TrainingPlotterView</name>
    <message>
        <source>虚拟绘图仪已就绪，等待任务。</source>
        <translation>The virtual plotter is ready for a job.</translation>
    </message>
    <message>
        <source>正在接收</source>
        <translation>receiving</translation>
    </message>
    <message>
        <source>已完成</source>
        <translation>complete</translation>
    </message>
    <message>
        <source>已停止</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>机器离开了打印状态</source>
        <translation>the machine left printing</translation>
    </message>
    <message>
        <source>被新任务取代</source>
        <translation>replaced by a new job</translation>
    </message>
    <message>
        <source>任务 %1：%2，%3 个喷墨带，%4 段切割</source>
        <translation>Job %1: %2, %3 bands, %4 cut segments</translation>
    </message>
    <message>
        <source>喷墨</source>
        <translation>Ink</translation>
    </message>
    <message>
        <source>切割</source>
        <translation>Knife</translation>
    </message>
    <message>
        <source>墨点太多，无法显示</source>
        <translation>Too many dots to show</translation>
    </message>
</context>
<context>
    <name>ViewContextMenu</name>
    <message>
        <source>全选</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>撤销	Ctrl+Z</source>
        <translation>Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>重做	Ctrl+Y</source>
        <translation>Redo	Ctrl+Y</translation>
    </message>
    <message>
        <source>识别图形外轮廓</source>
        <translation>Recognise outlines</translation>
    </message>
    <message>
        <source>转换为绘图	Ctrl+1</source>
        <translation>Make drawn lines	Ctrl+1</translation>
    </message>
    <message>
        <source>转换为切割	Ctrl+2</source>
        <translation>Make cut lines	Ctrl+2</translation>
    </message>
    <message>
        <source>旋转90度</source>
        <translation>Rotate 90°</translation>
    </message>
    <message>
        <source>Y向(纸宽方向)手动分页</source>
        <translation>Split into pages across the paper (Y) by hand</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>喷墨数据</source>
        <translation>Inkjet data</translation>
    </message>
    <message>
        <source>切割数据</source>
        <translation>Cut data</translation>
    </message>
    <message>
        <source>删除所选	Delete</source>
        <translation>Delete selected	Delete</translation>
    </message>
    <message>
        <source>图形平移至左下角</source>
        <translation>Move to the lower left corner</translation>
    </message>
    <message>
        <source>曲线按角度打断	Ctrl+D</source>
        <translation>Break curves at angles	Ctrl+D</translation>
    </message>
    <message>
        <source>曲线反向</source>
        <translation>Reverse curves</translation>
    </message>
</context>
<context>
    <name>pv::ui::CColorStatusBar</name>
    <message>
        <source>鼠标:(0mm,0mm)</source>
        <translation>Mouse:(0mm,0mm)</translation>
    </message>
    <message>
        <source>机器状态</source>
        <translation>Machine state</translation>
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
        <translation>Choose sizes</translation>
    </message>
    <message>
        <source>文件中有多个尺码, 请勾选要加入任务的尺码:</source>
        <translation>The file holds several sizes; tick the sizes to add to the job:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
