<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>关于</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>产品:</source>
        <translation>Ürün:</translation>
    </message>
    <message>
        <source> 喷墨切割一体机输出中心</source>
        <translation> mürekkep püskürtmeli kesim plotteri çıktı merkezi</translation>
    </message>
    <message>
        <source>公司:</source>
        <translation>Şirket:</translation>
    </message>
    <message>
        <source>绘图仪输出中心开发组</source>
        <translation>Plotter çıktı merkezi ekibi</translation>
    </message>
    <message>
        <source>网址:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>联系:</source>
        <translation>İletişim:</translation>
    </message>
    <message>
        <source>发布日期:</source>
        <translation>Yayın tarihi:</translation>
    </message>
    <message>
        <source>程序目录:</source>
        <translation>Program klasörü:</translation>
    </message>
</context>
<context>
    <name>CDlgFirmUpdate</name>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Yükselt</translation>
    </message>
</context>
<context>
    <name>CDlgGetIntInput</name>
    <message>
        <source>输入</source>
        <translation>Giriş</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>CDlgGetPwd</name>
    <message>
        <source>输入</source>
        <translation>Giriş</translation>
    </message>
    <message>
        <source>请输入密码:</source>
        <translation>Lütfen şifreyi girin:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>CDlgIVS</name>
    <message>
        <source>墨量统计</source>
        <translation>Mürekkep istatistiği</translation>
    </message>
    <message>
        <source>在主界面显示墨量信息</source>
        <translation>Kalan mürekkebi ana pencerede göster</translation>
    </message>
    <message>
        <source>1# 已使用</source>
        <translation>1# kullanılan</translation>
    </message>
    <message>
        <source>2# 已使用</source>
        <translation>2# kullanılan</translation>
    </message>
    <message>
        <source>清零(换新墨盒)</source>
        <translation>Sıfırla (yeni kartuş)</translation>
    </message>
    <message>
        <source>总容量</source>
        <translation>Toplam kapasite</translation>
    </message>
    <message>
        <source>提示：HP45新墨盒墨量大约40mL(毫升)左右</source>
        <translation>İpucu: yeni bir HP45 kartuşu yaklaşık 40 mL mürekkep içerir</translation>
    </message>
    <message>
        <source>一个喷孔喷一滴墨水理论为5pL(5*10^-9mL)</source>
        <translation>Bir memeden çıkan bir damla teorik olarak 5 pL&apos;dir (5*10^-9 mL)</translation>
    </message>
</context>
<context>
    <name>CDlgOffset</name>
    <message>
        <source>偏移设定</source>
        <translation>Ofset ayarı</translation>
    </message>
    <message>
        <source>左偏移</source>
        <translation>Sol ofset</translation>
    </message>
</context>
<context>
    <name>CDlgPAdv</name>
    <message>
        <source>解除锁定</source>
        <translation>Kilidi aç</translation>
    </message>
    <message>
        <source>推荐值</source>
        <translation>Önerilen değer</translation>
    </message>
</context>
<context>
    <name>CDlgPDir</name>
    <message>
        <source>手动目录</source>
        <translation>Manuel klasör</translation>
    </message>
    <message>
        <source>自动目录</source>
        <translation>Otomatik klasör</translation>
    </message>
    <message>
        <source>备份目录</source>
        <translation>Yedek klasörü</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>自动备份已打印的文件</source>
        <translation>Yazdırılan dosyaları otomatik yedekle</translation>
    </message>
    <message>
        <source>文件过滤：</source>
        <translation>Dosya filtresi:</translation>
    </message>
    <message>
        <source>logo设置:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <source>logo字体大小(0~10)</source>
        <translation>Logo yazı boyutu (0~10)</translation>
    </message>
    <message>
        <source>线条粗细设置</source>
        <translation>Çizgi kalınlığı</translation>
    </message>
    <message>
        <source>%1像素</source>
        <translation>%1 piksel</translation>
    </message>
    <message>
        <source>线条加黑</source>
        <translation>Koyu çizgiler</translation>
    </message>
</context>
<context>
    <name>CDlgPMac</name>
    <message>
        <source>喷头组合</source>
        <translation>Kafa kombinasyonu</translation>
    </message>
    <message>
        <source>启用1#喷头</source>
        <translation>1# kafayı kullan</translation>
    </message>
    <message>
        <source>启用2#喷头</source>
        <translation>2# kafayı kullan</translation>
    </message>
</context>
<context>
    <name>CDlgPMisc</name>
    <message>
        <source>手动打开时，默认的扩展名</source>
        <translation>Elle eklerken varsayılan dosya türü</translation>
    </message>
    <message>
        <source>所有文件(*.*)</source>
        <translation>Tüm dosyalar(*.*)</translation>
    </message>
    <message>
        <source>HPGL文件(*.p*;*.h*;*.spl)</source>
        <translation>HPGL dosyaları(*.p*;*.h*;*.spl)</translation>
    </message>
    <message>
        <source>dxf文件(*.dxf)</source>
        <translation>DXF dosyaları(*.dxf)</translation>
    </message>
    <message>
        <source>支持的文件(*.plt;*.p0*;*.hpg;*.dxf)</source>
        <translation>Desteklenen dosyalar(*.plt;*.p0*;*.hpg;*.dxf)</translation>
    </message>
    <message>
        <source>定制功能</source>
        <translation>Özel işlevler</translation>
    </message>
    <message>
        <source>允许移动选中的曲线</source>
        <translation>Seçili eğrilerin taşınmasına izin ver</translation>
    </message>
</context>
<context>
    <name>CDlgPSize</name>
    <message>
        <source>尺寸相关</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>设计尺寸</source>
        <translation>Tasarım ölçüsü</translation>
    </message>
    <message>
        <source>测量尺寸</source>
        <translation>Ölçülen boyut</translation>
    </message>
    <message>
        <source>缩放比例</source>
        <translation>Ölçek</translation>
    </message>
    <message>
        <source>纸长方向:</source>
        <translation>Kağıt boyunca:</translation>
    </message>
    <message>
        <source>纸宽方向:</source>
        <translation>Kağıt enine:</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>比例参数存于主板</source>
        <translation>Ölçeği ana kartta sakla</translation>
    </message>
    <message>
        <source>比例参数存于电脑</source>
        <translation>Ölçeği bu bilgisayarda sakla</translation>
    </message>
</context>
<context>
    <name>CDlgPara</name>
    <message>
        <source>参数设置</source>
        <translation>Parametre ayarları</translation>
    </message>
</context>
<context>
    <name>CDlgPropTextAdd</name>
    <message>
        <source>文字属性</source>
        <translation>Metin özellikleri</translation>
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
        <translation>Açı (-179~180°):</translation>
    </message>
    <message>
        <source>字体大小(0~9)：</source>
        <translation>Yazı boyutu (0~9):</translation>
    </message>
    <message>
        <source>文字内容：</source>
        <translation>Metin:</translation>
    </message>
</context>
<context>
    <name>CDlgSetEth</name>
    <message>
        <source>网络设置</source>
        <translation>Ağ ayarları</translation>
    </message>
    <message>
        <source>绘图仪IP</source>
        <translation>Plotter IP</translation>
    </message>
    <message>
        <source>提示1：将绘图仪IP的前3段和电脑IP前3段的数字设置成一样才能正常联机</source>
        <translation>İpucu 1: Bağlantı için plotter IP&apos;sinin ilk 3 bölümü bilgisayar IP&apos;sinin ilk 3 bölümüyle aynı olmalıdır</translation>
    </message>
    <message>
        <source>提示2：开机时，按住面板上的“启动/暂停”键，机器IP将临时恢复为默认值(192.168.1.176)，如果需要保存，请在联机成功后，按下面的确定键</source>
        <translation>İpucu 2: Makineyi açarken paneldeki “Başlat/Duraklat” tuşunu basılı tutarsanız makine IP&apos;si geçici olarak varsayılan değere (192.168.1.176) döner; kalıcı olması için bağlantı kurulduktan sonra aşağıdaki Tamam düğmesine basın</translation>
    </message>
</context>
<context>
    <name>CDlgSetPltUnit</name>
    <message>
        <source>PLT文件单位</source>
        <translation>PLT dosya birimi</translation>
    </message>
    <message>
        <source>绘图单位 </source>
        <translation>Çizim birimi </translation>
    </message>
    <message>
        <source>下次打开plt时不弹出此对话框</source>
        <translation>Bir sonraki plt açılışında bu pencereyi gösterme</translation>
    </message>
    <message>
        <source>提示:
    对于大多数CAD软件输出的plt, 1个数据单位代表0.0250mm, 这里应该选择“0.0250mm(常规)” 但某些软件(如格博)输出的plt, 1个数据单位代表1mil(即0.0254mm), 这里应该选择“0.0254mm” 如果选择了不合适的绘图单位, 会导致输出的图形尺寸有偏差.</source>
        <translation>İpucu:
    Çoğu CAD programının plt dosyalarında bir birim 0.0250 mm&apos;dir: burada &quot;0.0250mm&quot; seçin. Bazı programlar bir birimi 1 mil (0.0254 mm) olarak yazar: onlar için &quot;0.0254mm&quot; seçin. Yanlış bir çizim birimi çıktının ölçülerini bozar.</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>CHistoryWnd</name>
    <message>
        <source>打印记录</source>
        <translation>Baskı Geçmişi</translation>
    </message>
    <message>
        <source>时间段:</source>
        <translation>Dönem:</translation>
    </message>
    <message>
        <source>今天</source>
        <translation>Bugün</translation>
    </message>
    <message>
        <source>最近7天</source>
        <translation>Son 7 gün</translation>
    </message>
    <message>
        <source>最近30天</source>
        <translation>Son 30 gün</translation>
    </message>
    <message>
        <source>最近一年</source>
        <translation>Son 12 ay</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>结果:</source>
        <translation>Sonuç:</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Yenile</translation>
    </message>
    <message>
        <source>导出CSV...</source>
        <translation>CSV Dışa Aktar...</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>来源</source>
        <translation>Kaynak</translation>
    </message>
    <message>
        <source>份</source>
        <translation>Kopya</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>用时</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>带</source>
        <translation>Bantlar</translation>
    </message>
    <message>
        <source>宽*长(mm)</source>
        <translation>G*U (mm)</translation>
    </message>
    <message>
        <source>纸张(m)</source>
        <translation>Kağıt (m)</translation>
    </message>
    <message>
        <source>切割(m)</source>
        <translation>Kesim (m)</translation>
    </message>
    <message>
        <source>%1# 墨水(mL)</source>
        <translation>Mürekkep %1# (mL)</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>Mesaj</translation>
    </message>
    <message>
        <source>打印中</source>
        <translation>Yazdırılıyor</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Tamamlandı</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Durduruldu</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Başarısız</translation>
    </message>
    <message>
        <source>中断</source>
        <translation>Kesildi</translation>
    </message>
    <message>
        <source>手动打开</source>
        <translation>Elle eklendi</translation>
    </message>
    <message>
        <source>手动目录</source>
        <translation>Elle klasör</translation>
    </message>
    <message>
        <source>自动目录</source>
        <translation>Otomatik klasör</translation>
    </message>
    <message>
        <source>网络</source>
        <translation>Ağ</translation>
    </message>
    <message>
        <source>命令行</source>
        <translation>Komut satırı</translation>
    </message>
    <message>
        <source>打印记录无法读取: %1</source>
        <translation>Baskı geçmişi okunamıyor: %1</translation>
    </message>
    <message>
        <source>共 %1 份（完成 %2，停止 %3，失败 %4，中断 %5）  机器时间 %6  纸张 %7 m  切割 %8 m</source>
        <translation>%1 kopya (%2 tamamlandı, %3 durduruldu, %4 başarısız, %5 kesildi)  makine süresi %6  kağıt %7 m  kesim %8 m</translation>
    </message>
    <message>
        <source>%1# 墨水 %2 mL</source>
        <translation>mürekkep %1# %2 mL</translation>
    </message>
    <message>
        <source>最长: %1 (%2)</source>
        <translation>en uzun: %1 (%2)</translation>
    </message>
    <message>
        <source>导出CSV</source>
        <translation>CSV Dışa Aktar</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV dosyaları (*.csv)</translation>
    </message>
    <message>
        <source>文件未写入: %1</source>
        <translation>Dosya yazılamadı: %1</translation>
    </message>
</context>
<context>
    <name>CMyDlgBar</name>
    <message>
        <source>添加</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>加入排队</source>
        <translation>Sıraya al</translation>
    </message>
    <message>
        <source>移出排队</source>
        <translation>Sıradan çıkar</translation>
    </message>
    <message>
        <source>全部移出</source>
        <translation>Tümünü çıkar</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>左走</source>
        <translation>Sola</translation>
    </message>
    <message>
        <source>右走</source>
        <translation>Sağa</translation>
    </message>
    <message>
        <source>进纸</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>退纸</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>裁断</source>
        <translation>Kes</translation>
    </message>
    <message>
        <source>偏移</source>
        <translation>Ofset</translation>
    </message>
    <message>
        <source>参数</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>落刀</source>
        <translation>Bıçak</translation>
    </message>
    <message>
        <source>风扇</source>
        <translation>Fan</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>语言设置改变，重启生效</source>
        <translation>Yeniden başlatınca geçerli</translation>
    </message>
</context>
<context>
    <name>CMyListView</name>
    <message>
        <source>修改份数</source>
        <translation>Kopya sayısını değiştir</translation>
    </message>
    <message>
        <source>修改起始位置</source>
        <translation>Başlangıç konumunu değiştir</translation>
    </message>
    <message>
        <source>删除“已完成”</source>
        <translation>&quot;Bitenleri&quot; sil</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>加入队列</source>
        <translation>Sıraya al</translation>
    </message>
    <message>
        <source>移出队列</source>
        <translation>Sıradan çıkar</translation>
    </message>
    <message>
        <source>全部移出</source>
        <translation>Tümünü çıkar</translation>
    </message>
</context>
<context>
    <name>CPelvaneDoc</name>
    <message>
        <source>立式切割机打印任务(*.pvtask)</source>
        <translation>Dikey kesici yazdırma görevi(*.pvtask)</translation>
    </message>
    <message>
        <source>恢复打印任务</source>
        <translation>Yazdırma görevini geri yükle</translation>
    </message>
</context>
<context>
    <name>FieldCheck</name>
    <message>
        <source>请输入一个整数。</source>
        <translation>Lütfen bir tam sayı girin.</translation>
    </message>
    <message>
        <source>请输入一个数字。</source>
        <translation>Lütfen bir sayı girin.</translation>
    </message>
    <message>
        <source>请输入一个 %1 至 %2 之间的整数。</source>
        <translation>Lütfen %1 ile %2 arasında bir tam sayı girin.</translation>
    </message>
    <message>
        <source>请输入一个 %1 至 %2 之间的数字。</source>
        <translation>Lütfen %1 ile %2 arasında bir sayı girin.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>打印记录</source>
        <translation>Baskı Geçmişi</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>调机文件(&amp;T)</source>
        <translation>&amp;Test çizimleri</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>Dü&amp;zen</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>设置(&amp;S)</source>
        <translation>&amp;Ayarlar</translation>
    </message>
    <message>
        <source>参数</source>
        <translation>Parametreler</translation>
    </message>
    <message>
        <source>绘图单位</source>
        <translation>Çizim birimi</translation>
    </message>
    <message>
        <source>墨量统计</source>
        <translation>Mürekkep istatistiği</translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>适合屏幕</source>
        <translation>Pencereye sığdır</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Araç çubuğu</translation>
    </message>
    <message>
        <source>隐藏</source>
        <translation>Gizle</translation>
    </message>
    <message>
        <source>通讯端口(&amp;C)</source>
        <translation>&amp;Bağlantı</translation>
    </message>
    <message>
        <source>网口</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation>D&amp;il</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>关于(&amp;A)...</source>
        <translation>&amp;Hakkında...</translation>
    </message>
    <message>
        <source>固件更新(&amp;U)</source>
        <translation>Ürün yazılımı &amp;güncelleme</translation>
    </message>
    <message>
        <source>虚拟绘图仪</source>
        <translation>Sanal çizici</translation>
    </message>
</context>
<context>
    <name>OkCancelRow</name>
    <message>
        <source>确定</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>ParaFields</name>
    <message>
        <source>读取绘图文件时自动将外轮廓识别为切割线</source>
        <translation>Dosya okunurken dış hatları kesim çizgisi yap</translation>
    </message>
    <message>
        <source>识别轮廓前，先识别“T”型剪口</source>
        <translation>Dış hatlardan önce &quot;T&quot; çentikleri bul</translation>
    </message>
    <message>
        <source>识别轮廓前，先识别“I”型剪口</source>
        <translation>Dış hatlardan önce &quot;I&quot; çentikleri bul</translation>
    </message>
    <message>
        <source>切割轮廓识别出来的剪口</source>
        <translation>Dış hatlarda bulunan çentikleri kes</translation>
    </message>
    <message>
        <source>文件打开时检测到有切割线时不识别外轮廓</source>
        <translation>Dosyada kesim çizgisi varsa dış hatları arama</translation>
    </message>
    <message>
        <source>自动优化对称片切割顺序</source>
        <translation>Simetrik parçaların kesim sırasını otomatik iyileştir</translation>
    </message>
    <message>
        <source>DXF文件单位(1,4,10,40,100,400,1000...)</source>
        <translation>DXF dosya birimi (1,4,10,40,100,400,1000...)</translation>
    </message>
    <message>
        <source>按AAMA/ASTM图层读取服装DXF文件(切割线,单位,尺码)</source>
        <translation>Giysi DXF dosyalarını AAMA/ASTM katmanlarına göre oku (kesim çizgileri, birimler, bedenler)</translation>
    </message>
    <message>
        <source>(喷墨模式)只绘不切</source>
        <translation>Yalnız çiz, kesme (mürekkep modu)</translation>
    </message>
    <message>
        <source>绘切割线</source>
        <translation>Kesim çizgilerini de çiz</translation>
    </message>
    <message>
        <source>开始打印前清洗喷头</source>
        <translation>Yazdırmadan önce kafaları temizle</translation>
    </message>
    <message>
        <source>每段开始清洗喷头</source>
        <translation>Her bölümün başında kafaları temizle</translation>
    </message>
    <message>
        <source>宽幅模式(分页前自动旋转)</source>
        <translation>Geniş mod (sayfalamadan önce döndür)</translation>
    </message>
    <message>
        <source>是否镜像</source>
        <translation>Ayna görüntüsü</translation>
    </message>
    <message>
        <source>分页</source>
        <translation>Sayfalara böl</translation>
    </message>
    <message>
        <source>分页宽度(mm)</source>
        <translation>Sayfa genişliği (mm)</translation>
    </message>
    <message>
        <source>字体缩放比例(20%~500%)</source>
        <translation>Yazı ölçeği (20%~500%)</translation>
    </message>
    <message>
        <source>自动删除列表中已经完成的项</source>
        <translation>Biten işleri listeden otomatik sil</translation>
    </message>
    <message>
        <source>切割时跳过U形剪口,并把U形剪口变成绘图</source>
        <translation>Keserken U çentikleri atla, onları çiz</translation>
    </message>
    <message>
        <source>线条变打孔</source>
        <translation>Çizgileri deliklere çevir</translation>
    </message>
    <message>
        <source>孔间隔(mm)</source>
        <translation>Delik aralığı (mm)</translation>
    </message>
    <message>
        <source>边线调整</source>
        <translation>Kenar ayarı</translation>
    </message>
    <message>
        <source>缓冲(0~50mm)</source>
        <translation>Tampon (0~50mm)</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Sağ</translation>
    </message>
    <message>
        <source>边距(0~200mm)</source>
        <translation>Kenar boşluğu (0~200mm)</translation>
    </message>
    <message>
        <source>边线(-5-5)像素</source>
        <translation>Kenar (-5-5) piksel</translation>
    </message>
    <message>
        <source>喷墨参数</source>
        <translation>Mürekkep parametreleri</translation>
    </message>
    <message>
        <source>双向打印</source>
        <translation>Çift yönlü yazdırma</translation>
    </message>
    <message>
        <source>1#2#喷头X向重合点数(0~10)</source>
        <translation>1#2# kafa X örtüşmesi, nokta (0~10)</translation>
    </message>
    <message>
        <source>来回校正(0~50.00mm)</source>
        <translation>Çift yön düzeltmesi (0~50.00mm)</translation>
    </message>
    <message>
        <source>喷头位置</source>
        <translation>Kafa konumu</translation>
    </message>
    <message>
        <source>向左打印时</source>
        <translation>Sola yazdırırken</translation>
    </message>
    <message>
        <source>向右打印时</source>
        <translation>Sağa yazdırırken</translation>
    </message>
    <message>
        <source>喷头重合(单位:pix)</source>
        <translation>Kafa örtüşmesi (birim: pix)</translation>
    </message>
    <message>
        <source>1#2#之间(0~10)</source>
        <translation>1# ile 2# arası (0~10)</translation>
    </message>
    <message>
        <source>2#3#之间(0~10)</source>
        <translation>2# ile 3# arası (0~10)</translation>
    </message>
    <message>
        <source>3#4#之间(0~10)</source>
        <translation>3# ile 4# arası (0~10)</translation>
    </message>
    <message>
        <source>喷头位置(单位:pix)</source>
        <translation>Kafa konumu (birim: pix)</translation>
    </message>
    <message>
        <source>切割参数</source>
        <translation>Kesim parametreleri</translation>
    </message>
    <message>
        <source>刀压</source>
        <translation>Bıçak basıncı</translation>
    </message>
    <message>
        <source>切割方式(0-不减速 1-减速抬刀)</source>
        <translation>Kesim modu (0-yavaşlamadan 1-yavaşla ve bıçağı kaldır)</translation>
    </message>
    <message>
        <source>全刀切割长度(20~100)(mm)</source>
        <translation>Tam kesim uzunluğu (20~100)(mm)</translation>
    </message>
    <message>
        <source>粘连量(0.1~3.0)(mm)</source>
        <translation>Köprü uzunluğu (0.1~3.0)(mm)</translation>
    </message>
    <message>
        <source>电磁铁响应延迟(0.0~20.0)(ms)</source>
        <translation>Solenoid gecikmesi (0.0~20.0)(ms)</translation>
    </message>
    <message>
        <source>喷切重合(X)(-200.0~200.0)(mm)</source>
        <translation>Baskı-kesim hizası (X)(-200.0~200.0)(mm)</translation>
    </message>
    <message>
        <source>喷切重合(Y)(-200.0~200.0)(mm)</source>
        <translation>Baskı-kesim hizası (Y)(-200.0~200.0)(mm)</translation>
    </message>
    <message>
        <source>刀尖补偿(0~2)(mm)</source>
        <translation>Bıçak ucu telafisi (0~2)(mm)</translation>
    </message>
    <message>
        <source>启动刀压(2~199)</source>
        <translation>Başlangıç basıncı (2~199)</translation>
    </message>
    <message>
        <source>全刀刀压(2~199)</source>
        <translation>Tam kesim basıncı (2~199)</translation>
    </message>
    <message>
        <source>半刀刀压(0~50)</source>
        <translation>Yarım kesim basıncı (0~50)</translation>
    </message>
    <message>
        <source>送纸参数</source>
        <translation>Kağıt besleme parametreleri</translation>
    </message>
    <message>
        <source>文件尾切割(mm)</source>
        <translation>Dosya sonu kesimi (mm)</translation>
    </message>
    <message>
        <source>打印前进纸长度(0~250mm)</source>
        <translation>Yazdırmadan önce besleme (0~250mm)</translation>
    </message>
    <message>
        <source>打印后进纸长度(0~250mm)</source>
        <translation>Yazdırmadan sonra besleme (0~250mm)</translation>
    </message>
    <message>
        <source>喷墨模式时也裁纸</source>
        <translation>Mürekkep modunda da kağıdı kes</translation>
    </message>
    <message>
        <source>起点Y坐标：</source>
        <translation>Başlangıç Y:</translation>
    </message>
    <message>
        <source>终点Y坐标：</source>
        <translation>Bitiş Y:</translation>
    </message>
    <message>
        <source>裁纸中间粘连量(0.0~5.0mm)</source>
        <translation>Kesim köprüsü (0.0~5.0mm)</translation>
    </message>
    <message>
        <source>尾切割线与裁片距离(0~50mm)</source>
        <translation>Kesim çizgisi ile parça arası (0~50mm)</translation>
    </message>
    <message>
        <source>齿轮比调整</source>
        <translation>Dişli oranı ayarı</translation>
    </message>
    <message>
        <source>喷墨频率</source>
        <translation>Püskürtme frekansı</translation>
    </message>
    <message>
        <source>图形分段</source>
        <translation>Bölümleme</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Hız</translation>
    </message>
    <message>
        <source>空程速度</source>
        <translation>Boş hareket hızı</translation>
    </message>
    <message>
        <source>切割速度</source>
        <translation>Kesim hızı</translation>
    </message>
    <message>
        <source>走纸轴每mm脉冲数(30~200)</source>
        <translation>Kağıt ekseni mm başına darbe (30~200)</translation>
    </message>
    <message>
        <source>小车轴每mm脉冲数(30~200)</source>
        <translation>Taşıyıcı ekseni mm başına darbe (30~200)</translation>
    </message>
    <message>
        <source>点火脉宽(18~25)</source>
        <translation>Ateşleme darbe genişliği (18~25)</translation>
    </message>
    <message>
        <source>喷墨间隔脉冲数</source>
        <translation>Püskürtme arası darbe sayısı</translation>
    </message>
    <message>
        <source>喷头左右两列距离(20~40像素)</source>
        <translation>Kafanın iki sütunu arası (20~40 piksel)</translation>
    </message>
    <message>
        <source>喷多少次切割一段</source>
        <translation>Kesim bölümü başına bant</translation>
    </message>
    <message>
        <source>段间重叠补偿(0.00mm~2.00mm)</source>
        <translation>Bölüm örtüşme telafisi (0.00mm~2.00mm)</translation>
    </message>
    <message>
        <source>进退纸方向</source>
        <translation>Kağıt besleme yönü</translation>
    </message>
    <message>
        <source>进退纸</source>
        <translation>Kağıt ileri-geri</translation>
    </message>
    <message>
        <source>最大速度(100~600mm/s)</source>
        <translation>Azami hız (100~600mm/s)</translation>
    </message>
    <message>
        <source>加速度(0.5~10 m/s^2)</source>
        <translation>İvme (0.5~10 m/s^2)</translation>
    </message>
    <message>
        <source>长距离时降速比(20%~100%)</source>
        <translation>Uzun hareket hız oranı (20%~100%)</translation>
    </message>
    <message>
        <source>小车方向</source>
        <translation>Taşıyıcı yönü</translation>
    </message>
    <message>
        <source>小车</source>
        <translation>Taşıyıcı</translation>
    </message>
    <message>
        <source>最大速度(400~1200mm/s)</source>
        <translation>Azami hız (400~1200mm/s)</translation>
    </message>
    <message>
        <source>加速度(1~20 m/s^2)</source>
        <translation>İvme (1~20 m/s^2)</translation>
    </message>
    <message>
        <source>切割时</source>
        <translation>Keserken</translation>
    </message>
    <message>
        <source>最大速度(50~600mm/s)</source>
        <translation>Azami hız (50~600mm/s)</translation>
    </message>
    <message>
        <source>加速度(0.2~5 m/s^2)</source>
        <translation>İvme (0.2~5 m/s^2)</translation>
    </message>
    <message>
        <source>软限位</source>
        <translation>Yazılım sınırı</translation>
    </message>
    <message>
        <source>机头移动位置超出时停止(mm)</source>
        <translation>Kafa bu konumu aşınca dur (mm)</translation>
    </message>
</context>
<context>
    <name>ParaPage</name>
    <message>
        <source>截图保存</source>
        <translation>Ekran görüntüsünü kaydet</translation>
    </message>
    <message>
        <source>保存截图</source>
        <translation>Ekran görüntüsünü kaydet</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>TrainingDock</name>
    <message>
        <source>虚拟绘图仪无法启动：%1</source>
        <translation>Sanal çizici başlatılamadı: %1</translation>
    </message>
    <message>
        <source>虚拟绘图仪</source>
        <translation>Sanal çizici</translation>
    </message>
</context>
<context>
    <name>TrainingPlotterView</name>
    <message>
        <source>虚拟绘图仪已就绪，等待任务。</source>
        <translation>Sanal çizici hazır, iş bekliyor.</translation>
    </message>
    <message>
        <source>正在接收</source>
        <translation>alınıyor</translation>
    </message>
    <message>
        <source>已完成</source>
        <translation>tamamlandı</translation>
    </message>
    <message>
        <source>已停止</source>
        <translation>durduruldu</translation>
    </message>
    <message>
        <source>机器离开了打印状态</source>
        <translation>makine baskıdan çıktı</translation>
    </message>
    <message>
        <source>被新任务取代</source>
        <translation>yeni bir işle değiştirildi</translation>
    </message>
    <message>
        <source>任务 %1：%2，%3 个喷墨带，%4 段切割</source>
        <translation>İş %1: %2, %3 bant, %4 kesim bölümü</translation>
    </message>
    <message>
        <source>喷墨</source>
        <translation>Mürekkep</translation>
    </message>
    <message>
        <source>切割</source>
        <translation>Bıçak</translation>
    </message>
    <message>
        <source>墨点太多，无法显示</source>
        <translation>Gösterilemeyecek kadar çok nokta</translation>
    </message>
</context>
<context>
    <name>ViewContextMenu</name>
    <message>
        <source>全选</source>
        <translation>Tümünü seç</translation>
    </message>
    <message>
        <source>撤销	Ctrl+Z</source>
        <translation>Geri al	Ctrl+Z</translation>
    </message>
    <message>
        <source>重做	Ctrl+Y</source>
        <translation>Yinele	Ctrl+Y</translation>
    </message>
    <message>
        <source>识别图形外轮廓</source>
        <translation>Dış hatları tanı</translation>
    </message>
    <message>
        <source>转换为绘图	Ctrl+1</source>
        <translation>Çizgiye dönüştür	Ctrl+1</translation>
    </message>
    <message>
        <source>转换为切割	Ctrl+2</source>
        <translation>Kesime dönüştür	Ctrl+2</translation>
    </message>
    <message>
        <source>旋转90度</source>
        <translation>90° döndür</translation>
    </message>
    <message>
        <source>Y向(纸宽方向)手动分页</source>
        <translation>Y yönünde (kağıt eni) elle sayfala</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>喷墨数据</source>
        <translation>Mürekkep verisi</translation>
    </message>
    <message>
        <source>切割数据</source>
        <translation>Kesim verisi</translation>
    </message>
    <message>
        <source>删除所选	Delete</source>
        <translation>Seçileni sil	Delete</translation>
    </message>
    <message>
        <source>图形平移至左下角</source>
        <translation>Sol alt köşeye taşı</translation>
    </message>
    <message>
        <source>曲线按角度打断	Ctrl+D</source>
        <translation>Eğrileri açıdan kır	Ctrl+D</translation>
    </message>
    <message>
        <source>曲线反向</source>
        <translation>Eğrileri ters çevir</translation>
    </message>
</context>
<context>
    <name>pv::ui::CColorStatusBar</name>
    <message>
        <source>鼠标:(0mm,0mm)</source>
        <translation>Fare:(0mm,0mm)</translation>
    </message>
    <message>
        <source>机器状态</source>
        <translation>Makine durumu</translation>
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
        <translation>Beden seçimi</translation>
    </message>
    <message>
        <source>文件中有多个尺码, 请勾选要加入任务的尺码:</source>
        <translation>Dosyada birden çok beden var; işe eklenecek bedenleri işaretleyin:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>İptal</translation>
    </message>
</context>
</TS>
