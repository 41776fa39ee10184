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
    In the plt files of most CAD programs one unit is 0.0250 mm: choose "0.0250mm" here. Some programs write one unit as 1 mil (0.0254 mm): choose "0.0254mm" for them. A wrong plot unit makes the output the wrong size.</translation>
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
        <translation>Language changes take effect at the next start</translation>
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
        <translation>Delete "finished"</translation>
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
    <name>MainMenu</name>
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
</TS>