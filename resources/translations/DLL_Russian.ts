<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>关于</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>产品:</source>
        <translation>Продукт:</translation>
    </message>
    <message>
        <source> 喷墨切割一体机输出中心</source>
        <translation> центр вывода струйного плоттера с резкой</translation>
    </message>
    <message>
        <source>公司:</source>
        <translation>Компания:</translation>
    </message>
    <message>
        <source>绘图仪输出中心开发组</source>
        <translation>Команда центра вывода плоттера</translation>
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
        <translation>Дата выпуска:</translation>
    </message>
    <message>
        <source>程序目录:</source>
        <translation>Папка программы:</translation>
    </message>
</context>
<context>
    <name>CDlgFirmUpdate</name>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновить</translation>
    </message>
</context>
<context>
    <name>CDlgGetIntInput</name>
    <message>
        <source>输入</source>
        <translation>Ввод</translation>
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
        <translation>Ввод</translation>
    </message>
    <message>
        <source>请输入密码:</source>
        <translation>Введите пароль:</translation>
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
        <translation>Статистика чернил</translation>
    </message>
    <message>
        <source>在主界面显示墨量信息</source>
        <translation>Показывать остаток чернил в главном окне</translation>
    </message>
    <message>
        <source>1# 已使用</source>
        <translation>1# использовано</translation>
    </message>
    <message>
        <source>2# 已使用</source>
        <translation>2# использовано</translation>
    </message>
    <message>
        <source>清零(换新墨盒)</source>
        <translation>Сбросить (новый картридж)</translation>
    </message>
    <message>
        <source>总容量</source>
        <translation>Общий объём</translation>
    </message>
    <message>
        <source>提示：HP45新墨盒墨量大约40mL(毫升)左右</source>
        <translation>Подсказка: новый картридж HP45 содержит около 40 mL чернил</translation>
    </message>
    <message>
        <source>一个喷孔喷一滴墨水理论为5pL(5*10^-9mL)</source>
        <translation>Теоретически одна капля из одного сопла составляет 5 pL (5*10^-9 mL)</translation>
    </message>
</context>
<context>
    <name>CDlgOffset</name>
    <message>
        <source>偏移设定</source>
        <translation>Настройка смещения</translation>
    </message>
    <message>
        <source>左偏移</source>
        <translation>Смещение влево</translation>
    </message>
</context>
<context>
    <name>CDlgPAdv</name>
    <message>
        <source>解除锁定</source>
        <translation>Разблокировать</translation>
    </message>
    <message>
        <source>推荐值</source>
        <translation>Рекомендуемые</translation>
    </message>
</context>
<context>
    <name>CDlgPDir</name>
    <message>
        <source>手动目录</source>
        <translation>Папка ручного добавления</translation>
    </message>
    <message>
        <source>自动目录</source>
        <translation>Автоматическая папка</translation>
    </message>
    <message>
        <source>备份目录</source>
        <translation>Папка резервных копий</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>自动备份已打印的文件</source>
        <translation>Автоматически сохранять копии напечатанных файлов</translation>
    </message>
    <message>
        <source>文件过滤：</source>
        <translation>Фильтр файлов:</translation>
    </message>
    <message>
        <source>logo设置:</source>
        <translation>Логотип:</translation>
    </message>
    <message>
        <source>logo字体大小(0~10)</source>
        <translation>Размер шрифта логотипа (0~10)</translation>
    </message>
    <message>
        <source>线条粗细设置</source>
        <translation>Толщина линий</translation>
    </message>
    <message>
        <source>%1像素</source>
        <translation>%1 пикс.</translation>
    </message>
    <message>
        <source>线条加黑</source>
        <translation>Более тёмные линии</translation>
    </message>
</context>
<context>
    <name>CDlgPMac</name>
    <message>
        <source>喷头组合</source>
        <translation>Комбинация головок</translation>
    </message>
    <message>
        <source>启用1#喷头</source>
        <translation>Включить головку 1#</translation>
    </message>
    <message>
        <source>启用2#喷头</source>
        <translation>Включить головку 2#</translation>
    </message>
</context>
<context>
    <name>CDlgPMisc</name>
    <message>
        <source>手动打开时，默认的扩展名</source>
        <translation>Тип файлов по умолчанию при ручном добавлении</translation>
    </message>
    <message>
        <source>所有文件(*.*)</source>
        <translation>Все файлы(*.*)</translation>
    </message>
    <message>
        <source>HPGL文件(*.p*;*.h*;*.spl)</source>
        <translation>Файлы HPGL(*.p*;*.h*;*.spl)</translation>
    </message>
    <message>
        <source>dxf文件(*.dxf)</source>
        <translation>Файлы DXF(*.dxf)</translation>
    </message>
    <message>
        <source>支持的文件(*.plt;*.p0*;*.hpg;*.dxf)</source>
        <translation>Поддерживаемые файлы(*.plt;*.p0*;*.hpg;*.dxf)</translation>
    </message>
    <message>
        <source>定制功能</source>
        <translation>Дополнительные функции</translation>
    </message>
    <message>
        <source>允许移动选中的曲线</source>
        <translation>Разрешить перемещение выбранных кривых</translation>
    </message>
</context>
<context>
    <name>CDlgPSize</name>
    <message>
        <source>尺寸相关</source>
        <translation>Размеры</translation>
    </message>
    <message>
        <source>设计尺寸</source>
        <translation>Проектный размер</translation>
    </message>
    <message>
        <source>测量尺寸</source>
        <translation>Измеренный размер</translation>
    </message>
    <message>
        <source>缩放比例</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>纸长方向:</source>
        <translation>Вдоль бумаги:</translation>
    </message>
    <message>
        <source>纸宽方向:</source>
        <translation>Поперёк бумаги:</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>比例参数存于主板</source>
        <translation>Хранить масштаб на плате машины</translation>
    </message>
    <message>
        <source>比例参数存于电脑</source>
        <translation>Хранить масштаб на компьютере</translation>
    </message>
</context>
<context>
    <name>CDlgPara</name>
    <message>
        <source>参数设置</source>
        <translation>Настройка параметров</translation>
    </message>
</context>
<context>
    <name>CDlgPropTextAdd</name>
    <message>
        <source>文字属性</source>
        <translation>Свойства текста</translation>
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
        <translation>Угол (-179~180°):</translation>
    </message>
    <message>
        <source>字体大小(0~9)：</source>
        <translation>Размер шрифта (0~9):</translation>
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
        <translation>Настройки сети</translation>
    </message>
    <message>
        <source>绘图仪IP</source>
        <translation>IP плоттера</translation>
    </message>
    <message>
        <source>提示1：将绘图仪IP的前3段和电脑IP前3段的数字设置成一样才能正常联机</source>
        <translation>Подсказка 1: для соединения первые 3 числа IP плоттера должны совпадать с первыми 3 числами IP компьютера</translation>
    </message>
    <message>
        <source>提示2：开机时，按住面板上的“启动/暂停”键，机器IP将临时恢复为默认值(192.168.1.176)，如果需要保存，请在联机成功后，按下面的确定键</source>
        <translation>Подсказка 2: если при включении машины удерживать клавишу «Пуск/Пауза» на панели, её IP временно вернётся к значению по умолчанию (192.168.1.176); чтобы сохранить его, после соединения нажмите кнопку OK ниже</translation>
    </message>
</context>
<context>
    <name>CDlgSetPltUnit</name>
    <message>
        <source>PLT文件单位</source>
        <translation>Единица файла PLT</translation>
    </message>
    <message>
        <source>绘图单位 </source>
        <translation>Единица чертежа </translation>
    </message>
    <message>
        <source>下次打开plt时不弹出此对话框</source>
        <translation>Не показывать это окно при следующем открытии plt</translation>
    </message>
    <message>
        <source>提示:
    对于大多数CAD软件输出的plt, 1个数据单位代表0.0250mm, 这里应该选择“0.0250mm(常规)” 但某些软件(如格博)输出的plt, 1个数据单位代表1mil(即0.0254mm), 这里应该选择“0.0254mm” 如果选择了不合适的绘图单位, 会导致输出的图形尺寸有偏差.</source>
        <translation>Подсказка:
    В файлах plt большинства программ САПР одна единица равна 0.0250 мм: выберите здесь «0.0250mm». Некоторые программы записывают единицу как 1 mil (0.0254 мм): для них выберите «0.0254mm». Неправильная единица чертежа искажает размеры вывода.</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CHistoryWnd</name>
    <message>
        <source>打印记录</source>
        <translation>История печати</translation>
    </message>
    <message>
        <source>时间段:</source>
        <translation>Период:</translation>
    </message>
    <message>
        <source>今天</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>最近7天</source>
        <translation>Последние 7 дней</translation>
    </message>
    <message>
        <source>最近30天</source>
        <translation>Последние 30 дней</translation>
    </message>
    <message>
        <source>最近一年</source>
        <translation>Последние 12 месяцев</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>结果:</source>
        <translation>Результат:</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>导出CSV...</source>
        <translation>Экспорт CSV...</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>来源</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>份</source>
        <translation>Копия</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>用时</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>带</source>
        <translation>Полосы</translation>
    </message>
    <message>
        <source>宽*长(mm)</source>
        <translation>Ш*Д (мм)</translation>
    </message>
    <message>
        <source>纸张(m)</source>
        <translation>Бумага (м)</translation>
    </message>
    <message>
        <source>切割(m)</source>
        <translation>Нож (м)</translation>
    </message>
    <message>
        <source>%1# 墨水(mL)</source>
        <translation>Чернила %1# (мл)</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>打印中</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Остановлено</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>中断</source>
        <translation>Прервано</translation>
    </message>
    <message>
        <source>手动打开</source>
        <translation>Добавлен вручную</translation>
    </message>
    <message>
        <source>手动目录</source>
        <translation>Ручная папка</translation>
    </message>
    <message>
        <source>自动目录</source>
        <translation>Автоматическая папка</translation>
    </message>
    <message>
        <source>网络</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>命令行</source>
        <translation>Командная строка</translation>
    </message>
    <message>
        <source>打印记录无法读取: %1</source>
        <translation>Невозможно прочитать историю печати: %1</translation>
    </message>
    <message>
        <source>共 %1 份（完成 %2，停止 %3，失败 %4，中断 %5）  机器时间 %6  纸张 %7 m  切割 %8 m</source>
        <translation>%1 копий (завершено %2, остановлено %3, ошибок %4, прервано %5)  время машины %6  бумага %7 м  нож %8 м</translation>
    </message>
    <message>
        <source>%1# 墨水 %2 mL</source>
        <translation>чернила %1# %2 мл</translation>
    </message>
    <message>
        <source>最长: %1 (%2)</source>
        <translation>самое долгое: %1 (%2)</translation>
    </message>
    <message>
        <source>导出CSV</source>
        <translation>Экспорт CSV</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>文件未写入: %1</source>
        <translation>Файл не записан: %1</translation>
    </message>
</context>
<context>
    <name>CMyDlgBar</name>
    <message>
        <source>添加</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>加入排队</source>
        <translation>В очередь</translation>
    </message>
    <message>
        <source>移出排队</source>
        <translation>Из очереди</translation>
    </message>
    <message>
        <source>全部移出</source>
        <translation>Все из очереди</translation>
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
        <translation>Сброс</translation>
    </message>
    <message>
        <source>左走</source>
        <translation>Влево</translation>
    </message>
    <message>
        <source>右走</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>进纸</source>
        <translation>Подать</translation>
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
        <translation>Отрез</translation>
    </message>
    <message>
        <source>偏移</source>
        <translation>Сдвиг</translation>
    </message>
    <message>
        <source>参数</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>落刀</source>
        <translation>Нож</translation>
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
        <translation>Язык</translation>
    </message>
    <message>
        <source>语言设置改变，重启生效</source>
        <translation>Действует после перезапуска</translation>
    </message>
</context>
<context>
    <name>CMyListView</name>
    <message>
        <source>修改份数</source>
        <translation>Изменить число копий</translation>
    </message>
    <message>
        <source>修改起始位置</source>
        <translation>Изменить начальную точку</translation>
    </message>
    <message>
        <source>删除“已完成”</source>
        <translation>Удалить «завершённые»</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>加入队列</source>
        <translation>В очередь</translation>
    </message>
    <message>
        <source>移出队列</source>
        <translation>Из очереди</translation>
    </message>
    <message>
        <source>全部移出</source>
        <translation>Все из очереди</translation>
    </message>
</context>
<context>
    <name>CPelvaneDoc</name>
    <message>
        <source>立式切割机打印任务(*.pvtask)</source>
        <translation>Задание печати вертикального плоттера(*.pvtask)</translation>
    </message>
    <message>
        <source>恢复打印任务</source>
        <translation>Восстановить задание печати</translation>
    </message>
</context>
<context>
    <name>FieldCheck</name>
    <message>
        <source>请输入一个整数。</source>
        <translation>Введите целое число.</translation>
    </message>
    <message>
        <source>请输入一个数字。</source>
        <translation>Введите число.</translation>
    </message>
    <message>
        <source>请输入一个 %1 至 %2 之间的整数。</source>
        <translation>Введите целое число от %1 до %2.</translation>
    </message>
    <message>
        <source>请输入一个 %1 至 %2 之间的数字。</source>
        <translation>Введите число от %1 до %2.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>打印记录</source>
        <translation>История печати</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>调机文件(&amp;T)</source>
        <translation>&amp;Тестовые файлы</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>设置(&amp;S)</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>参数</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>绘图单位</source>
        <translation>Единица чертежа</translation>
    </message>
    <message>
        <source>墨量统计</source>
        <translation>Статистика чернил</translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>适合屏幕</source>
        <translation>По размеру окна</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>隐藏</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>通讯端口(&amp;C)</source>
        <translation>Со&amp;единение</translation>
    </message>
    <message>
        <source>网口</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>关于(&amp;A)...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>固件更新(&amp;U)</source>
        <translation>&amp;Обновление прошивки</translation>
    </message>
    <message>
        <source>虚拟绘图仪</source>
        <translation>Виртуальный плоттер</translation>
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
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ParaFields</name>
    <message>
        <source>读取绘图文件时自动将外轮廓识别为切割线</source>
        <translation>При чтении файла делать контуры линиями резки</translation>
    </message>
    <message>
        <source>识别轮廓前，先识别“T”型剪口</source>
        <translation>Перед контурами искать надсечки «T»</translation>
    </message>
    <message>
        <source>识别轮廓前，先识别“I”型剪口</source>
        <translation>Перед контурами искать надсечки «I»</translation>
    </message>
    <message>
        <source>切割轮廓识别出来的剪口</source>
        <translation>Вырезать надсечки, найденные на контурах</translation>
    </message>
    <message>
        <source>文件打开时检测到有切割线时不识别外轮廓</source>
        <translation>Не искать контуры, если в файле уже есть линии резки</translation>
    </message>
    <message>
        <source>自动优化对称片切割顺序</source>
        <translation>Автоматически оптимизировать порядок резки симметричных деталей</translation>
    </message>
    <message>
        <source>DXF文件单位(1,4,10,40,100,400,1000...)</source>
        <translation>Единица файла DXF (1,4,10,40,100,400,1000...)</translation>
    </message>
    <message>
        <source>按AAMA/ASTM图层读取服装DXF文件(切割线,单位,尺码)</source>
        <translation>Читать швейные файлы DXF по слоям AAMA/ASTM (линии реза, единицы, размеры)</translation>
    </message>
    <message>
        <source>(喷墨模式)只绘不切</source>
        <translation>Только печать, без резки (струйный режим)</translation>
    </message>
    <message>
        <source>绘切割线</source>
        <translation>Печатать также линии резки</translation>
    </message>
    <message>
        <source>开始打印前清洗喷头</source>
        <translation>Очищать картриджи перед печатью</translation>
    </message>
    <message>
        <source>每段开始清洗喷头</source>
        <translation>Очищать картриджи в начале каждого участка</translation>
    </message>
    <message>
        <source>宽幅模式(分页前自动旋转)</source>
        <translation>Широкий режим (поворот перед разбиением на страницы)</translation>
    </message>
    <message>
        <source>是否镜像</source>
        <translation>Зеркально</translation>
    </message>
    <message>
        <source>分页</source>
        <translation>Разбиение на страницы</translation>
    </message>
    <message>
        <source>分页宽度(mm)</source>
        <translation>Ширина страницы (mm)</translation>
    </message>
    <message>
        <source>字体缩放比例(20%~500%)</source>
        <translation>Масштаб шрифта (20%~500%)</translation>
    </message>
    <message>
        <source>自动删除列表中已经完成的项</source>
        <translation>Автоматически удалять завершённые задания из списка</translation>
    </message>
    <message>
        <source>切割时跳过U形剪口,并把U形剪口变成绘图</source>
        <translation>При резке пропускать U-надсечки и печатать их</translation>
    </message>
    <message>
        <source>线条变打孔</source>
        <translation>Линии как перфорация</translation>
    </message>
    <message>
        <source>孔间隔(mm)</source>
        <translation>Шаг отверстий (mm)</translation>
    </message>
    <message>
        <source>边线调整</source>
        <translation>Настройка краёв</translation>
    </message>
    <message>
        <source>缓冲(0~50mm)</source>
        <translation>Буфер (0~50mm)</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>边距(0~200mm)</source>
        <translation>Поле (0~200mm)</translation>
    </message>
    <message>
        <source>边线(-5-5)像素</source>
        <translation>Край (-5-5) пикс.</translation>
    </message>
    <message>
        <source>喷墨参数</source>
        <translation>Параметры печати</translation>
    </message>
    <message>
        <source>双向打印</source>
        <translation>Двунаправленная печать</translation>
    </message>
    <message>
        <source>1#2#喷头X向重合点数(0~10)</source>
        <translation>Перекрытие головок 1#2# по X, точек (0~10)</translation>
    </message>
    <message>
        <source>来回校正(0~50.00mm)</source>
        <translation>Коррекция двунаправленной печати (0~50.00mm)</translation>
    </message>
    <message>
        <source>喷头位置</source>
        <translation>Положение головок</translation>
    </message>
    <message>
        <source>向左打印时</source>
        <translation>При печати влево</translation>
    </message>
    <message>
        <source>向右打印时</source>
        <translation>При печати вправо</translation>
    </message>
    <message>
        <source>喷头重合(单位:pix)</source>
        <translation>Перекрытие головок (ед.: pix)</translation>
    </message>
    <message>
        <source>1#2#之间(0~10)</source>
        <translation>Между 1# и 2# (0~10)</translation>
    </message>
    <message>
        <source>2#3#之间(0~10)</source>
        <translation>Между 2# и 3# (0~10)</translation>
    </message>
    <message>
        <source>3#4#之间(0~10)</source>
        <translation>Между 3# и 4# (0~10)</translation>
    </message>
    <message>
        <source>喷头位置(单位:pix)</source>
        <translation>Положение головок (ед.: pix)</translation>
    </message>
    <message>
        <source>切割参数</source>
        <translation>Параметры резки</translation>
    </message>
    <message>
        <source>刀压</source>
        <translation>Давление ножа</translation>
    </message>
    <message>
        <source>切割方式(0-不减速 1-减速抬刀)</source>
        <translation>Режим резки (0-без замедления 1-замедление с подъёмом ножа)</translation>
    </message>
    <message>
        <source>全刀切割长度(20~100)(mm)</source>
        <translation>Длина полного реза (20~100)(mm)</translation>
    </message>
    <message>
        <source>粘连量(0.1~3.0)(mm)</source>
        <translation>Длина перемычки (0.1~3.0)(mm)</translation>
    </message>
    <message>
        <source>电磁铁响应延迟(0.0~20.0)(ms)</source>
        <translation>Задержка электромагнита (0.0~20.0)(ms)</translation>
    </message>
    <message>
        <source>喷切重合(X)(-200.0~200.0)(mm)</source>
        <translation>Совмещение печати и резки (X)(-200.0~200.0)(mm)</translation>
    </message>
    <message>
        <source>喷切重合(Y)(-200.0~200.0)(mm)</source>
        <translation>Совмещение печати и резки (Y)(-200.0~200.0)(mm)</translation>
    </message>
    <message>
        <source>刀尖补偿(0~2)(mm)</source>
        <translation>Компенсация острия ножа (0~2)(mm)</translation>
    </message>
    <message>
        <source>启动刀压(2~199)</source>
        <translation>Начальное давление (2~199)</translation>
    </message>
    <message>
        <source>全刀刀压(2~199)</source>
        <translation>Давление полного реза (2~199)</translation>
    </message>
    <message>
        <source>半刀刀压(0~50)</source>
        <translation>Давление неполного реза (0~50)</translation>
    </message>
    <message>
        <source>送纸参数</source>
        <translation>Параметры подачи бумаги</translation>
    </message>
    <message>
        <source>文件尾切割(mm)</source>
        <translation>Отрезание в конце файла (mm)</translation>
    </message>
    <message>
        <source>打印前进纸长度(0~250mm)</source>
        <translation>Подача перед печатью (0~250mm)</translation>
    </message>
    <message>
        <source>打印后进纸长度(0~250mm)</source>
        <translation>Подача после печати (0~250mm)</translation>
    </message>
    <message>
        <source>喷墨模式时也裁纸</source>
        <translation>Отрезать бумагу и в струйном режиме</translation>
    </message>
    <message>
        <source>起点Y坐标：</source>
        <translation>Начало Y:</translation>
    </message>
    <message>
        <source>终点Y坐标：</source>
        <translation>Конец Y:</translation>
    </message>
    <message>
        <source>裁纸中间粘连量(0.0~5.0mm)</source>
        <translation>Перемычка при отрезании (0.0~5.0mm)</translation>
    </message>
    <message>
        <source>尾切割线与裁片距离(0~50mm)</source>
        <translation>Расстояние от линии отрезания до деталей (0~50mm)</translation>
    </message>
    <message>
        <source>齿轮比调整</source>
        <translation>Передаточное число</translation>
    </message>
    <message>
        <source>喷墨频率</source>
        <translation>Частота печати</translation>
    </message>
    <message>
        <source>图形分段</source>
        <translation>Разбиение на участки</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>空程速度</source>
        <translation>Скорость холостого хода</translation>
    </message>
    <message>
        <source>切割速度</source>
        <translation>Скорость резки</translation>
    </message>
    <message>
        <source>走纸轴每mm脉冲数(30~200)</source>
        <translation>Импульсов на мм оси бумаги (30~200)</translation>
    </message>
    <message>
        <source>小车轴每mm脉冲数(30~200)</source>
        <translation>Импульсов на мм оси каретки (30~200)</translation>
    </message>
    <message>
        <source>点火脉宽(18~25)</source>
        <translation>Длительность импульса (18~25)</translation>
    </message>
    <message>
        <source>喷墨间隔脉冲数</source>
        <translation>Импульсов между впрысками</translation>
    </message>
    <message>
        <source>喷头左右两列距离(20~40像素)</source>
        <translation>Расстояние между двумя рядами сопел (20~40 пикс.)</translation>
    </message>
    <message>
        <source>喷多少次切割一段</source>
        <translation>Полос печати на участок резки</translation>
    </message>
    <message>
        <source>段间重叠补偿(0.00mm~2.00mm)</source>
        <translation>Компенсация перекрытия участков (0.00mm~2.00mm)</translation>
    </message>
    <message>
        <source>进退纸方向</source>
        <translation>Направление подачи бумаги</translation>
    </message>
    <message>
        <source>进退纸</source>
        <translation>Подача бумаги</translation>
    </message>
    <message>
        <source>最大速度(100~600mm/s)</source>
        <translation>Макс. скорость (100~600mm/s)</translation>
    </message>
    <message>
        <source>加速度(0.5~10 m/s^2)</source>
        <translation>Ускорение (0.5~10 m/s^2)</translation>
    </message>
    <message>
        <source>长距离时降速比(20%~100%)</source>
        <translation>Скорость на длинных перемещениях (20%~100%)</translation>
    </message>
    <message>
        <source>小车方向</source>
        <translation>Направление каретки</translation>
    </message>
    <message>
        <source>小车</source>
        <translation>Каретка</translation>
    </message>
    <message>
        <source>最大速度(400~1200mm/s)</source>
        <translation>Макс. скорость (400~1200mm/s)</translation>
    </message>
    <message>
        <source>加速度(1~20 m/s^2)</source>
        <translation>Ускорение (1~20 m/s^2)</translation>
    </message>
    <message>
        <source>切割时</source>
        <translation>При резке</translation>
    </message>
    <message>
        <source>最大速度(50~600mm/s)</source>
        <translation>Макс. скорость (50~600mm/s)</translation>
    </message>
    <message>
        <source>加速度(0.2~5 m/s^2)</source>
        <translation>Ускорение (0.2~5 m/s^2)</translation>
    </message>
    <message>
        <source>软限位</source>
        <translation>Программный предел</translation>
    </message>
    <message>
        <source>机头移动位置超出时停止(mm)</source>
        <translation>Остановка, когда головка выходит за (mm)</translation>
    </message>
</context>
<context>
    <name>ParaPage</name>
    <message>
        <source>截图保存</source>
        <translation>Сохранить снимок</translation>
    </message>
    <message>
        <source>保存截图</source>
        <translation>Сохранить снимок</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TrainingDock</name>
    <message>
        <source>虚拟绘图仪无法启动：%1</source>
        <translation>Не удалось запустить виртуальный плоттер: %1</translation>
    </message>
    <message>
        <source>虚拟绘图仪</source>
        <translation>Виртуальный плоттер</translation>
    </message>
</context>
<context>
    <name>TrainingPlotterView</name>
    <message>
        <source>虚拟绘图仪已就绪，等待任务。</source>
        <translation>Виртуальный плоттер готов и ждёт задания.</translation>
    </message>
    <message>
        <source>正在接收</source>
        <translation>получается</translation>
    </message>
    <message>
        <source>已完成</source>
        <translation>завершено</translation>
    </message>
    <message>
        <source>已停止</source>
        <translation>остановлено</translation>
    </message>
    <message>
        <source>机器离开了打印状态</source>
        <translation>машина вышла из печати</translation>
    </message>
    <message>
        <source>被新任务取代</source>
        <translation>заменено новым заданием</translation>
    </message>
    <message>
        <source>任务 %1：%2，%3 个喷墨带，%4 段切割</source>
        <translation>Задание %1: %2, полос: %3, участков резки: %4</translation>
    </message>
    <message>
        <source>喷墨</source>
        <translation>Чернила</translation>
    </message>
    <message>
        <source>切割</source>
        <translation>Нож</translation>
    </message>
    <message>
        <source>墨点太多，无法显示</source>
        <translation>Слишком много точек для показа</translation>
    </message>
</context>
<context>
    <name>ViewContextMenu</name>
    <message>
        <source>全选</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>撤销	Ctrl+Z</source>
        <translation>Отменить	Ctrl+Z</translation>
    </message>
    <message>
        <source>重做	Ctrl+Y</source>
        <translation>Повторить	Ctrl+Y</translation>
    </message>
    <message>
        <source>识别图形外轮廓</source>
        <translation>Распознать контуры</translation>
    </message>
    <message>
        <source>转换为绘图	Ctrl+1</source>
        <translation>Преобразовать в печать	Ctrl+1</translation>
    </message>
    <message>
        <source>转换为切割	Ctrl+2</source>
        <translation>Преобразовать в резку	Ctrl+2</translation>
    </message>
    <message>
        <source>旋转90度</source>
        <translation>Повернуть на 90°</translation>
    </message>
    <message>
        <source>Y向(纸宽方向)手动分页</source>
        <translation>Ручное разбиение на страницы по Y (ширина бумаги)</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>喷墨数据</source>
        <translation>Данные печати</translation>
    </message>
    <message>
        <source>切割数据</source>
        <translation>Данные резки</translation>
    </message>
    <message>
        <source>删除所选	Delete</source>
        <translation>Удалить выбранное	Delete</translation>
    </message>
    <message>
        <source>图形平移至左下角</source>
        <translation>Переместить в левый нижний угол</translation>
    </message>
    <message>
        <source>曲线按角度打断	Ctrl+D</source>
        <translation>Разбить кривые по углу	Ctrl+D</translation>
    </message>
    <message>
        <source>曲线反向</source>
        <translation>Обратить направление кривых</translation>
    </message>
</context>
<context>
    <name>pv::ui::CColorStatusBar</name>
    <message>
        <source>鼠标:(0mm,0mm)</source>
        <translation>Мышь:(0mm,0mm)</translation>
    </message>
    <message>
        <source>机器状态</source>
        <translation>Состояние машины</translation>
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
        <translation>Выбор размеров</translation>
    </message>
    <message>
        <source>文件中有多个尺码, 请勾选要加入任务的尺码:</source>
        <translation>Файл содержит несколько размеров; отметьте размеры для задания:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
