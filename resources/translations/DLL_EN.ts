<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>关于</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>产品:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 喷墨切割一体机输出中心</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>公司:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>绘图仪输出中心开发组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网址:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>联系:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发布日期:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMyDlgBar</name>
    <message>
        <source>添加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>加入排队</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>移出排队</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部移出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>暂停</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停止</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左走</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右走</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>进纸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退纸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>测试</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>裁断</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偏移</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>落刀</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>风扇</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自动</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>语言</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>语言设置改变，重启生效</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPelvaneDoc</name>
    <message>
        <source>立式切割机打印任务(*.pvtask)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>恢复打印任务</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>文件(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>调机文件(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>撤销</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重做</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>绘图单位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>墨量统计</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>适合屏幕</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>隐藏</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通讯端口(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关于(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>固件更新(&amp;U)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
