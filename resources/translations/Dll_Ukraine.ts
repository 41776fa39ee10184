<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>关于</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>产品:</source>
        <translation>Продукт:</translation>
    </message>
    <message>
        <source> 喷墨切割一体机输出中心</source>
        <translation> центр виводу струменевого плотера з різанням</translation>
    </message>
    <message>
        <source>公司:</source>
        <translation>Компанія:</translation>
    </message>
    <message>
        <source>绘图仪输出中心开发组</source>
        <translation>Команда центру виводу плотера</translation>
    </message>
    <message>
        <source>网址:</source>
        <translation>Сайт:</translation>
    </message>
    <message>
        <source>联系:</source>
        <translation>Контакт:</translation>
    </message>
    <message>
        <source>发布日期:</source>
        <translation>Дата випуску:</translation>
    </message>
    <message>
        <source>程序目录:</source>
        <translation>Тека програми:</translation>
    </message>
</context>
<context>
    <name>CDlgFirmUpdate</name>
    <message>
        <source>Select</source>
        <translation>Вибрати</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Оновити</translation>
    </message>
</context>
<context>
    <name>CDlgGetIntInput</name>
    <message>
        <source>输入</source>
        <translation>Введення</translation>
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
        <translation>Введення</translation>
    </message>
    <message>
        <source>请输入密码:</source>
        <translation>Введіть пароль:</translation>
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
        <translation>Статистика чорнила</translation>
    </message>
    <message>
        <source>在主界面显示墨量信息</source>
        <translation>Показувати залишок чорнила в головному вікні</translation>
    </message>
    <message>
        <source>1# 已使用</source>
        <translation>1# використано</translation>
    </message>
    <message>
        <source>2# 已使用</source>
        <translation>2# використано</translation>
    </message>
    <message>
        <source>清零(换新墨盒)</source>
        <translation>Скинути (новий картридж)</translation>
    </message>
    <message>
        <source>总容量</source>
        <translation>Загальний об&apos;єм</translation>
    </message>
    <message>
        <source>提示：HP45新墨盒墨量大约40mL(毫升)左右</source>
        <translation>Підказка: новий картридж HP45 містить близько 40 mL чорнила</translation>
    </message>
    <message>
        <source>一个喷孔喷一滴墨水理论为5pL(5*10^-9mL)</source>
        <translation>Теоретично одна крапля з одного сопла становить 5 pL (5*10^-9 mL)</translation>
    </message>
</context>
<context>
    <name>CDlgOffset</name>
    <message>
        <source>偏移设定</source>
        <translation>Налаштування зсуву</translation>
    </message>
    <message>
        <source>左偏移</source>
        <translation>Зсув ліворуч</translation>
    </message>
</context>
<context>
    <name>CDlgPAdv</name>
    <message>
        <source>解除锁定</source>
        <translation>Розблокувати</translation>
    </message>
    <message>
        <source>推荐值</source>
        <translation>Рекомендовані</translation>
    </message>
</context>
<context>
    <name>CDlgPDir</name>
    <message>
        <source>手动目录</source>
        <translation>Тека ручного додавання</translation>
    </message>
    <message>
        <source>自动目录</source>
        <translation>Автоматична тека</translation>
    </message>
    <message>
        <source>备份目录</source>
        <translation>Тека резервних копій</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <source>自动备份已打印的文件</source>
        <translation>Автоматично зберігати копії надрукованих файлів</translation>
    </message>
    <message>
        <source>文件过滤：</source>
        <translation>Фільтр файлів:</translation>
    </message>
    <message>
        <source>logo设置:</source>
        <translation>Логотип:</translation>
    </message>
    <message>
        <source>logo字体大小(0~10)</source>
        <translation>Розмір шрифту логотипа (0~10)</translation>
    </message>
    <message>
        <source>线条粗细设置</source>
        <translation>Товщина ліній</translation>
    </message>
    <message>
        <source>%1像素</source>
        <translation>%1 пікс.</translation>
    </message>
    <message>
        <source>线条加黑</source>
        <translation>Темніші лінії</translation>
    </message>
</context>
<context>
    <name>CDlgPMac</name>
    <message>
        <source>喷头组合</source>
        <translation>Комбінація головок</translation>
    </message>
    <message>
        <source>启用1#喷头</source>
        <translation>Увімкнути головку 1#</translation>
    </message>
    <message>
        <source>启用2#喷头</source>
        <translation>Увімкнути головку 2#</translation>
    </message>
</context>
<context>
    <name>CDlgPMisc</name>
    <message>
        <source>手动打开时，默认的扩展名</source>
        <translation>Типовий тип файлів під час ручного додавання</translation>
    </message>
    <message>
        <source>所有文件(*.*)</source>
        <translation>Усі файли(*.*)</translation>
    </message>
    <message>
        <source>HPGL文件(*.p*;*.h*;*.spl)</source>
        <translation>Файли HPGL(*.p*;*.h*;*.spl)</translation>
    </message>
    <message>
        <source>dxf文件(*.dxf)</source>
        <translation>Файли DXF(*.dxf)</translation>
    </message>
    <message>
        <source>支持的文件(*.plt;*.p0*;*.hpg;*.dxf)</source>
        <translation>Підтримувані файли(*.plt;*.p0*;*.hpg;*.dxf)</translation>
    </message>
    <message>
        <source>定制功能</source>
        <translation>Додаткові функції</translation>
    </message>
    <message>
        <source>允许移动选中的曲线</source>
        <translation>Дозволити переміщення вибраних кривих</translation>
    </message>
</context>
<context>
    <name>CDlgPSize</name>
    <message>
        <source>尺寸相关</source>
        <translation>Розміри</translation>
    </message>
    <message>
        <source>设计尺寸</source>
        <translation>Проєктний розмір</translation>
    </message>
    <message>
        <source>测量尺寸</source>
        <translation>Виміряний розмір</translation>
    </message>
    <message>
        <source>缩放比例</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>纸长方向:</source>
        <translation>Уздовж паперу:</translation>
    </message>
    <message>
        <source>纸宽方向:</source>
        <translation>Поперек паперу:</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>比例参数存于主板</source>
        <translation>Зберігати масштаб на платі машини</translation>
    </message>
    <message>
        <source>比例参数存于电脑</source>
        <translation>Зберігати масштаб на комп&apos;ютері</translation>
    </message>
</context>
<context>
    <name>CDlgPara</name>
    <message>
        <source>参数设置</source>
        <translation>Налаштування параметрів</translation>
    </message>
</context>
<context>
    <name>CDlgPropTextAdd</name>
    <message>
        <source>文字属性</source>
        <translation>Властивості тексту</translation>
    </message>
    <message>
        <source>坐标X(mm)：</source>
        <translation>Координата X (mm):</translation>
    </message>
    <message>
        <source>坐标Y(mm)：</source>
        <translation>Координата Y (mm):</translation>
    </message>
    <message>
        <source>角度(-179~180度)：</source>
        <translation>Кут (-179~180°):</translation>
    </message>
    <message>
        <source>字体大小(0~9)：</source>
        <translation>Розмір шрифту (0~9):</translation>
    </message>
    <message>
        <source>文字内容：</source>
        <translation>Текст:</translation>
    </message>
</context>
<context>
    <name>CDlgSetEth</name>
    <message>
        <source>网络设置</source>
        <translation>Налаштування мережі</translation>
    </message>
    <message>
        <source>绘图仪IP</source>
        <translation>IP плотера</translation>
    </message>
    <message>
        <source>提示1：将绘图仪IP的前3段和电脑IP前3段的数字设置成一样才能正常联机</source>
        <translation>Підказка 1: для з&apos;єднання перші 3 числа IP плотера мають збігатися з першими 3 числами IP комп&apos;ютера</translation>
    </message>
    <message>
        <source>提示2：开机时，按住面板上的“启动/暂停”键，机器IP将临时恢复为默认值(192.168.1.176)，如果需要保存，请在联机成功后，按下面的确定键</source>
        <translation>Підказка 2: якщо під час увімкнення машини утримувати клавішу «Пуск/Пауза» на панелі, її IP тимчасово повернеться до типового (192.168.1.176); щоб зберегти його, після з&apos;єднання натисніть кнопку OK нижче</translation>
    </message>
</context>
<context>
    <name>CDlgSetPltUnit</name>
    <message>
        <source>PLT文件单位</source>
        <translation>Одиниця файлу PLT</translation>
    </message>
    <message>
        <source>绘图单位 </source>
        <translation>Одиниця креслення </translation>
    </message>
    <message>
        <source>下次打开plt时不弹出此对话框</source>
        <translation>Не показувати це вікно під час наступного відкриття plt</translation>
    </message>
    <message>
        <source>提示:
    对于大多数CAD软件输出的plt, 1个数据单位代表0.0250mm, 这里应该选择“0.0250mm(常规)” 但某些软件(如格博)输出的plt, 1个数据单位代表1mil(即0.0254mm), 这里应该选择“0.0254mm” 如果选择了不合适的绘图单位, 会导致输出的图形尺寸有偏差.</source>
        <translation>Підказка:
    У файлах plt більшості програм САПР одна одиниця дорівнює 0.0250 мм: виберіть тут «0.0250mm». Деякі програми записують одиницю як 1 mil (0.0254 мм): для них виберіть «0.0254mm». Неправильна одиниця креслення спотворює розміри виводу.</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>CHistoryWnd</name>
    <message>
        <source>打印记录</source>
        <translation>Історія друку</translation>
    </message>
    <message>
        <source>时间段:</source>
        <translation>Період:</translation>
    </message>
    <message>
        <source>今天</source>
        <translation>Сьогодні</translation>
    </message>
    <message>
        <source>最近7天</source>
        <translation>Останні 7 днів</translation>
    </message>
    <message>
        <source>最近30天</source>
        <translation>Останні 30 днів</translation>
    </message>
    <message>
        <source>最近一年</source>
        <translation>Останні 12 місяців</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Усі</translation>
    </message>
    <message>
        <source>结果:</source>
        <translation>Результат:</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>导出CSV...</source>
        <translation>Експорт CSV...</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Початок</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>来源</source>
        <translation>Джерело</translation>
    </message>
    <message>
        <source>份</source>
        <translation>Копія</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>用时</source>
        <translation>Тривалість</translation>
    </message>
    <message>
        <source>带</source>
        <translation>Смуги</translation>
    </message>
    <message>
        <source>宽*长(mm)</source>
        <translation>Ш*Д (мм)</translation>
    </message>
    <message>
        <source>纸张(m)</source>
        <translation>Папір (м)</translation>
    </message>
    <message>
        <source>切割(m)</source>
        <translation>Ніж (м)</translation>
    </message>
    <message>
        <source>%1# 墨水(mL)</source>
        <translation>Чорнило %1# (мл)</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>打印中</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Зупинено</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>中断</source>
        <translation>Перервано</translation>
    </message>
    <message>
        <source>手动打开</source>
        <translation>Додано вручну</translation>
    </message>
    <message>
        <source>手动目录</source>
        <translation>Ручна тека</translation>
    </message>
    <message>
        <source>自动目录</source>
        <translation>Автоматична тека</translation>
    </message>
    <message>
        <source>网络</source>
        <translation>Мережа</translation>
    </message>
    <message>
        <source>命令行</source>
        <translation>Командний рядок</translation>
    </message>
    <message>
        <source>打印记录无法读取: %1</source>
        <translation>Неможливо прочитати історію друку: %1</translation>
    </message>
    <message>
        <source>共 %1 份（完成 %2，停止 %3，失败 %4，中断 %5）  机器时间 %6  纸张 %7 m  切割 %8 m</source>
        <translation>%1 копій (завершено %2, зупинено %3, помилок %4, перервано %5)  час машини %6  папір %7 м  ніж %8 м</translation>
    </message>
    <message>
        <source>%1# 墨水 %2 mL</source>
        <translation>чорнило %1# %2 мл</translation>
    </message>
    <message>
        <source>最长: %1 (%2)</source>
        <translation>найдовше: %1 (%2)</translation>
    </message>
    <message>
        <source>导出CSV</source>
        <translation>Експорт CSV</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>Файли CSV (*.csv)</translation>
    </message>
    <message>
        <source>文件未写入: %1</source>
        <translation>Файл не записано: %1</translation>
    </message>
</context>
<context>
    <name>CMyDlgBar</name>
    <message>
        <source>添加</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>加入排队</source>
        <translation>У чергу</translation>
    </message>
    <message>
        <source>移出排队</source>
        <translation>З черги</translation>
    </message>
    <message>
        <source>全部移出</source>
        <translation>Усі з черги</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>左走</source>
        <translation>Вліво</translation>
    </message>
    <message>
        <source>右走</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>进纸</source>
        <translation>Подати</translation>
    </message>
    <message>
        <source>退纸</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Тест</translation>
    </message>
    <message>
        <source>裁断</source>
        <translation>Відріз</translation>
    </message>
    <message>
        <source>偏移</source>
        <translation>Зсув</translation>
    </message>
    <message>
        <source>参数</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>落刀</source>
        <translation>Ніж</translation>
    </message>
    <message>
        <source>风扇</source>
        <translation>Вентилятор</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>语言设置改变，重启生效</source>
        <translation>Діє після перезапуску</translation>
    </message>
</context>
<context>
    <name>CMyListView</name>
    <message>
        <source>修改份数</source>
        <translation>Змінити кількість копій</translation>
    </message>
    <message>
        <source>修改起始位置</source>
        <translation>Змінити початкову точку</translation>
    </message>
    <message>
        <source>删除“已完成”</source>
        <translation>Видалити «завершені»</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>加入队列</source>
        <translation>У чергу</translation>
    </message>
    <message>
        <source>移出队列</source>
        <translation>З черги</translation>
    </message>
    <message>
        <source>全部移出</source>
        <translation>Усі з черги</translation>
    </message>
</context>
<context>
    <name>CPelvaneDoc</name>
    <message>
        <source>立式切割机打印任务(*.pvtask)</source>
        <translation>Завдання друку вертикального плотера(*.pvtask)</translation>
    </message>
    <message>
        <source>恢复打印任务</source>
        <translation>Відновити завдання друку</translation>
    </message>
</context>
<context>
    <name>FieldCheck</name>
    <message>
        <source>请输入一个整数。</source>
        <translation>Введіть ціле число.</translation>
    </message>
    <message>
        <source>请输入一个数字。</source>
        <translation>Введіть число.</translation>
    </message>
    <message>
        <source>请输入一个 %1 至 %2 之间的整数。</source>
        <translation>Введіть ціле число від %1 до %2.</translation>
    </message>
    <message>
        <source>请输入一个 %1 至 %2 之间的数字。</source>
        <translation>Введіть число від %1 до %2.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>打印记录</source>
        <translation>Історія друку</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>调机文件(&amp;T)</source>
        <translation>&amp;Тестові файли</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>设置(&amp;S)</source>
        <translation>&amp;Налаштування</translation>
    </message>
    <message>
        <source>参数</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>绘图单位</source>
        <translation>Одиниця креслення</translation>
    </message>
    <message>
        <source>墨量统计</source>
        <translation>Статистика чорнила</translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation>&amp;Вигляд</translation>
    </message>
    <message>
        <source>适合屏幕</source>
        <translation>За розміром вікна</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Панель інструментів</translation>
    </message>
    <message>
        <source>隐藏</source>
        <translation>Сховати</translation>
    </message>
    <message>
        <source>通讯端口(&amp;C)</source>
        <translation>&amp;З&apos;єднання</translation>
    </message>
    <message>
        <source>网口</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation>&amp;Мова</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>关于(&amp;A)...</source>
        <translation>&amp;Про програму...</translation>
    </message>
    <message>
        <source>固件更新(&amp;U)</source>
        <translation>&amp;Оновлення прошивки</translation>
    </message>
    <message>
        <source>虚拟绘图仪</source>
        <translation>Віртуальний плотер</translation>
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
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>ParaFields</name>
    <message>
        <source>读取绘图文件时自动将外轮廓识别为切割线</source>
        <translation>Під час читання файла робити контури лініями різання</translation>
    </message>
    <message>
        <source>识别轮廓前，先识别“T”型剪口</source>
        <translation>Перед контурами шукати надсічки «T»</translation>
    </message>
    <message>
        <source>识别轮廓前，先识别“I”型剪口</source>
        <translation>Перед контурами шукати надсічки «I»</translation>
    </message>
    <message>
        <source>切割轮廓识别出来的剪口</source>
        <translation>Вирізати надсічки, знайдені на контурах</translation>
    </message>
    <message>
        <source>文件打开时检测到有切割线时不识别外轮廓</source>
        <translation>Не шукати контури, якщо файл уже має лінії різання</translation>
    </message>
    <message>
        <source>自动优化对称片切割顺序</source>
        <translation>Автоматично оптимізувати порядок різання симетричних деталей</translation>
    </message>
    <message>
        <source>DXF文件单位(1,4,10,40,100,400,1000...)</source>
        <translation>Одиниця файла DXF (1,4,10,40,100,400,1000...)</translation>
    </message>
    <message>
        <source>按AAMA/ASTM图层读取服装DXF文件(切割线,单位,尺码)</source>
        <translation>Читати швейні файли DXF за шарами AAMA/ASTM (лінії різання, одиниці, розміри)</translation>
    </message>
    <message>
        <source>(喷墨模式)只绘不切</source>
        <translation>Лише друк, без різання (струменевий режим)</translation>
    </message>
    <message>
        <source>绘切割线</source>
        <translation>Друкувати також лінії різання</translation>
    </message>
    <message>
        <source>开始打印前清洗喷头</source>
        <translation>Очищати картриджі перед друком</translation>
    </message>
    <message>
        <source>每段开始清洗喷头</source>
        <translation>Очищати картриджі на початку кожної ділянки</translation>
    </message>
    <message>
        <source>宽幅模式(分页前自动旋转)</source>
        <translation>Широкий режим (поворот перед поділом на сторінки)</translation>
    </message>
    <message>
        <source>是否镜像</source>
        <translation>Дзеркально</translation>
    </message>
    <message>
        <source>分页</source>
        <translation>Поділ на сторінки</translation>
    </message>
    <message>
        <source>分页宽度(mm)</source>
        <translation>Ширина сторінки (mm)</translation>
    </message>
    <message>
        <source>字体缩放比例(20%~500%)</source>
        <translation>Масштаб шрифту (20%~500%)</translation>
    </message>
    <message>
        <source>自动删除列表中已经完成的项</source>
        <translation>Автоматично видаляти завершені завдання зі списку</translation>
    </message>
    <message>
        <source>切割时跳过U形剪口,并把U形剪口变成绘图</source>
        <translation>Під час різання пропускати U-надсічки й друкувати їх</translation>
    </message>
    <message>
        <source>线条变打孔</source>
        <translation>Лінії як перфорація</translation>
    </message>
    <message>
        <source>孔间隔(mm)</source>
        <translation>Крок отворів (mm)</translation>
    </message>
    <message>
        <source>边线调整</source>
        <translation>Налаштування країв</translation>
    </message>
    <message>
        <source>缓冲(0~50mm)</source>
        <translation>Буфер (0~50mm)</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Ліворуч</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Праворуч</translation>
    </message>
    <message>
        <source>边距(0~200mm)</source>
        <translation>Поле (0~200mm)</translation>
    </message>
    <message>
        <source>边线(-5-5)像素</source>
        <translation>Край (-5-5) пікс.</translation>
    </message>
    <message>
        <source>喷墨参数</source>
        <translation>Параметри друку</translation>
    </message>
    <message>
        <source>双向打印</source>
        <translation>Двонапрямний друк</translation>
    </message>
    <message>
        <source>1#2#喷头X向重合点数(0~10)</source>
        <translation>Перекриття головок 1#2# по X, точок (0~10)</translation>
    </message>
    <message>
        <source>来回校正(0~50.00mm)</source>
        <translation>Корекція двонапрямного друку (0~50.00mm)</translation>
    </message>
    <message>
        <source>喷头位置</source>
        <translation>Положення головок</translation>
    </message>
    <message>
        <source>向左打印时</source>
        <translation>Під час друку ліворуч</translation>
    </message>
    <message>
        <source>向右打印时</source>
        <translation>Під час друку праворуч</translation>
    </message>
    <message>
        <source>喷头重合(单位:pix)</source>
        <translation>Перекриття головок (од.: pix)</translation>
    </message>
    <message>
        <source>1#2#之间(0~10)</source>
        <translation>Між 1# і 2# (0~10)</translation>
    </message>
    <message>
        <source>2#3#之间(0~10)</source>
        <translation>Між 2# і 3# (0~10)</translation>
    </message>
    <message>
        <source>3#4#之间(0~10)</source>
        <translation>Між 3# і 4# (0~10)</translation>
    </message>
    <message>
        <source>喷头位置(单位:pix)</source>
        <translation>Положення головок (од.: pix)</translation>
    </message>
    <message>
        <source>切割参数</source>
        <translation>Параметри різання</translation>
    </message>
    <message>
        <source>刀压</source>
        <translation>Тиск ножа</translation>
    </message>
    <message>
        <source>切割方式(0-不减速 1-减速抬刀)</source>
        <translation>Режим різання (0-без уповільнення 1-уповільнення з підйомом ножа)</translation>
    </message>
    <message>
        <source>全刀切割长度(20~100)(mm)</source>
        <translation>Довжина повного різу (20~100)(mm)</translation>
    </message>
    <message>
        <source>粘连量(0.1~3.0)(mm)</source>
        <translation>Довжина перемички (0.1~3.0)(mm)</translation>
    </message>
    <message>
        <source>电磁铁响应延迟(0.0~20.0)(ms)</source>
        <translation>Затримка електромагніта (0.0~20.0)(ms)</translation>
    </message>
    <message>
        <source>喷切重合(X)(-200.0~200.0)(mm)</source>
        <translation>Суміщення друку й різання (X)(-200.0~200.0)(mm)</translation>
    </message>
    <message>
        <source>喷切重合(Y)(-200.0~200.0)(mm)</source>
        <translation>Суміщення друку й різання (Y)(-200.0~200.0)(mm)</translation>
    </message>
    <message>
        <source>刀尖补偿(0~2)(mm)</source>
        <translation>Компенсація вістря ножа (0~2)(mm)</translation>
    </message>
    <message>
        <source>启动刀压(2~199)</source>
        <translation>Початковий тиск (2~199)</translation>
    </message>
    <message>
        <source>全刀刀压(2~199)</source>
        <translation>Тиск повного різу (2~199)</translation>
    </message>
    <message>
        <source>半刀刀压(0~50)</source>
        <translation>Тиск неповного різу (0~50)</translation>
    </message>
    <message>
        <source>送纸参数</source>
        <translation>Параметри подачі паперу</translation>
    </message>
    <message>
        <source>文件尾切割(mm)</source>
        <translation>Відрізання в кінці файла (mm)</translation>
    </message>
    <message>
        <source>打印前进纸长度(0~250mm)</source>
        <translation>Подача перед друком (0~250mm)</translation>
    </message>
    <message>
        <source>打印后进纸长度(0~250mm)</source>
        <translation>Подача після друку (0~250mm)</translation>
    </message>
    <message>
        <source>喷墨模式时也裁纸</source>
        <translation>Відрізати папір і в струменевому режимі</translation>
    </message>
    <message>
        <source>起点Y坐标：</source>
        <translation>Початок Y:</translation>
    </message>
    <message>
        <source>终点Y坐标：</source>
        <translation>Кінець Y:</translation>
    </message>
    <message>
        <source>裁纸中间粘连量(0.0~5.0mm)</source>
        <translation>Перемичка при відрізанні (0.0~5.0mm)</translation>
    </message>
    <message>
        <source>尾切割线与裁片距离(0~50mm)</source>
        <translation>Відстань від лінії відрізання до деталей (0~50mm)</translation>
    </message>
    <message>
        <source>齿轮比调整</source>
        <translation>Передавальне число</translation>
    </message>
    <message>
        <source>喷墨频率</source>
        <translation>Частота друку</translation>
    </message>
    <message>
        <source>图形分段</source>
        <translation>Поділ на ділянки</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Швидкість</translation>
    </message>
    <message>
        <source>空程速度</source>
        <translation>Швидкість холостого ходу</translation>
    </message>
    <message>
        <source>切割速度</source>
        <translation>Швидкість різання</translation>
    </message>
    <message>
        <source>走纸轴每mm脉冲数(30~200)</source>
        <translation>Імпульсів на мм осі паперу (30~200)</translation>
    </message>
    <message>
        <source>小车轴每mm脉冲数(30~200)</source>
        <translation>Імпульсів на мм осі каретки (30~200)</translation>
    </message>
    <message>
        <source>点火脉宽(18~25)</source>
        <translation>Тривалість імпульсу (18~25)</translation>
    </message>
    <message>
        <source>喷墨间隔脉冲数</source>
        <translation>Імпульсів між впорскуваннями</translation>
    </message>
    <message>
        <source>喷头左右两列距离(20~40像素)</source>
        <translation>Відстань між двома рядами сопел (20~40 пікс.)</translation>
    </message>
    <message>
        <source>喷多少次切割一段</source>
        <translation>Смуг друку на ділянку різання</translation>
    </message>
    <message>
        <source>段间重叠补偿(0.00mm~2.00mm)</source>
        <translation>Компенсація перекриття ділянок (0.00mm~2.00mm)</translation>
    </message>
    <message>
        <source>进退纸方向</source>
        <translation>Напрям подачі паперу</translation>
    </message>
    <message>
        <source>进退纸</source>
        <translation>Подача паперу</translation>
    </message>
    <message>
        <source>最大速度(100~600mm/s)</source>
        <translation>Макс. швидкість (100~600mm/s)</translation>
    </message>
    <message>
        <source>加速度(0.5~10 m/s^2)</source>
        <translation>Прискорення (0.5~10 m/s^2)</translation>
    </message>
    <message>
        <source>长距离时降速比(20%~100%)</source>
        <translation>Швидкість на довгих переміщеннях (20%~100%)</translation>
    </message>
    <message>
        <source>小车方向</source>
        <translation>Напрям каретки</translation>
    </message>
    <message>
        <source>小车</source>
        <translation>Каретка</translation>
    </message>
    <message>
        <source>最大速度(400~1200mm/s)</source>
        <translation>Макс. швидкість (400~1200mm/s)</translation>
    </message>
    <message>
        <source>加速度(1~20 m/s^2)</source>
        <translation>Прискорення (1~20 m/s^2)</translation>
    </message>
    <message>
        <source>切割时</source>
        <translation>Під час різання</translation>
    </message>
    <message>
        <source>最大速度(50~600mm/s)</source>
        <translation>Макс. швидкість (50~600mm/s)</translation>
    </message>
    <message>
        <source>加速度(0.2~5 m/s^2)</source>
        <translation>Прискорення (0.2~5 m/s^2)</translation>
    </message>
    <message>
        <source>软限位</source>
        <translation>Програмна межа</translation>
    </message>
    <message>
        <source>机头移动位置超出时停止(mm)</source>
        <translation>Зупинка, коли голівка виходить за (mm)</translation>
    </message>
</context>
<context>
    <name>ParaPage</name>
    <message>
        <source>截图保存</source>
        <translation>Зберегти знімок</translation>
    </message>
    <message>
        <source>保存截图</source>
        <translation>Зберегти знімок</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>TrainingDock</name>
    <message>
        <source>虚拟绘图仪无法启动：%1</source>
        <translation>Не вдалося запустити віртуальний плотер: %1</translation>
    </message>
    <message>
        <source>虚拟绘图仪</source>
        <translation>Віртуальний плотер</translation>
    </message>
</context>
<context>
    <name>TrainingPlotterView</name>
    <message>
        <source>虚拟绘图仪已就绪，等待任务。</source>
        <translation>Віртуальний плотер готовий і чекає на завдання.</translation>
    </message>
    <message>
        <source>正在接收</source>
        <translation>отримується</translation>
    </message>
    <message>
        <source>已完成</source>
        <translation>завершено</translation>
    </message>
    <message>
        <source>已停止</source>
        <translation>зупинено</translation>
    </message>
    <message>
        <source>机器离开了打印状态</source>
        <translation>машина вийшла з друку</translation>
    </message>
    <message>
        <source>被新任务取代</source>
        <translation>замінено новим завданням</translation>
    </message>
    <message>
        <source>任务 %1：%2，%3 个喷墨带，%4 段切割</source>
        <translation>Завдання %1: %2, смуг: %3, ділянок різання: %4</translation>
    </message>
    <message>
        <source>喷墨</source>
        <translation>Чорнило</translation>
    </message>
    <message>
        <source>切割</source>
        <translation>Ніж</translation>
    </message>
    <message>
        <source>墨点太多，无法显示</source>
        <translation>Забагато крапок для показу</translation>
    </message>
</context>
<context>
    <name>ViewContextMenu</name>
    <message>
        <source>全选</source>
        <translation>Виділити все</translation>
    </message>
    <message>
        <source>撤销	Ctrl+Z</source>
        <translation>Скасувати	Ctrl+Z</translation>
    </message>
    <message>
        <source>重做	Ctrl+Y</source>
        <translation>Повторити	Ctrl+Y</translation>
    </message>
    <message>
        <source>识别图形外轮廓</source>
        <translation>Розпізнати контури</translation>
    </message>
    <message>
        <source>转换为绘图	Ctrl+1</source>
        <translation>Перетворити на друк	Ctrl+1</translation>
    </message>
    <message>
        <source>转换为切割	Ctrl+2</source>
        <translation>Перетворити на різання	Ctrl+2</translation>
    </message>
    <message>
        <source>旋转90度</source>
        <translation>Повернути на 90°</translation>
    </message>
    <message>
        <source>Y向(纸宽方向)手动分页</source>
        <translation>Ручний поділ на сторінки по Y (ширина паперу)</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>喷墨数据</source>
        <translation>Дані друку</translation>
    </message>
    <message>
        <source>切割数据</source>
        <translation>Дані різання</translation>
    </message>
    <message>
        <source>删除所选	Delete</source>
        <translation>Видалити вибране	Delete</translation>
    </message>
    <message>
        <source>图形平移至左下角</source>
        <translation>Перемістити в лівий нижній кут</translation>
    </message>
    <message>
        <source>曲线按角度打断	Ctrl+D</source>
        <translation>Розбити криві за кутом	Ctrl+D</translation>
    </message>
    <message>
        <source>曲线反向</source>
        <translation>Обернути напрям кривих</translation>
    </message>
</context>
<context>
    <name>pv::ui::CColorStatusBar</name>
    <message>
        <source>鼠标:(0mm,0mm)</source>
        <translation>Миша:(0mm,0mm)</translation>
    </message>
    <message>
        <source>机器状态</source>
        <translation>Стан машини</translation>
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
        <translation>Вибір розмірів</translation>
    </message>
    <message>
        <source>文件中有多个尺码, 请勾选要加入任务的尺码:</source>
        <translation>Файл містить кілька розмірів; позначте розміри для завдання:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Скасувати</translation>
    </message>
</context>
</TS>
