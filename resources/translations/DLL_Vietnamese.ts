<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>关于</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>产品:</source>
        <translation>Sản phẩm:</translation>
    </message>
    <message>
        <source> 喷墨切割一体机输出中心</source>
        <translation> trung tâm xuất cho máy vẽ phun mực kết hợp cắt</translation>
    </message>
    <message>
        <source>公司:</source>
        <translation>Công ty:</translation>
    </message>
    <message>
        <source>绘图仪输出中心开发组</source>
        <translation>Nhóm phát triển trung tâm xuất máy vẽ</translation>
    </message>
    <message>
        <source>网址:</source>
        <translation>Trang web:</translation>
    </message>
    <message>
        <source>联系:</source>
        <translation>Liên hệ:</translation>
    </message>
    <message>
        <source>发布日期:</source>
        <translation>Ngày phát hành:</translation>
    </message>
    <message>
        <source>程序目录:</source>
        <translation>Thư mục chương trình:</translation>
    </message>
</context>
<context>
    <name>CDlgFirmUpdate</name>
    <message>
        <source>Select</source>
        <translation>Chọn</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Nâng cấp</translation>
    </message>
</context>
<context>
    <name>CDlgGetIntInput</name>
    <message>
        <source>输入</source>
        <translation>Nhập</translation>
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
        <translation>Nhập</translation>
    </message>
    <message>
        <source>请输入密码:</source>
        <translation>Vui lòng nhập mật khẩu:</translation>
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
        <translation>Thống kê mực</translation>
    </message>
    <message>
        <source>在主界面显示墨量信息</source>
        <translation>Hiển thị lượng mực còn lại trên cửa sổ chính</translation>
    </message>
    <message>
        <source>1# 已使用</source>
        <translation>1# đã dùng</translation>
    </message>
    <message>
        <source>2# 已使用</source>
        <translation>2# đã dùng</translation>
    </message>
    <message>
        <source>清零(换新墨盒)</source>
        <translation>Đặt lại (hộp mực mới)</translation>
    </message>
    <message>
        <source>总容量</source>
        <translation>Tổng dung lượng</translation>
    </message>
    <message>
        <source>提示：HP45新墨盒墨量大约40mL(毫升)左右</source>
        <translation>Gợi ý: hộp mực HP45 mới chứa khoảng 40 mL mực</translation>
    </message>
    <message>
        <source>一个喷孔喷一滴墨水理论为5pL(5*10^-9mL)</source>
        <translation>Theo lý thuyết, mỗi giọt mực từ một lỗ phun là 5 pL (5*10^-9 mL)</translation>
    </message>
</context>
<context>
    <name>CDlgOffset</name>
    <message>
        <source>偏移设定</source>
        <translation>Thiết lập độ lệch</translation>
    </message>
    <message>
        <source>左偏移</source>
        <translation>Độ lệch trái</translation>
    </message>
</context>
<context>
    <name>CDlgPAdv</name>
    <message>
        <source>解除锁定</source>
        <translation>Mở khóa</translation>
    </message>
    <message>
        <source>推荐值</source>
        <translation>Giá trị đề xuất</translation>
    </message>
</context>
<context>
    <name>CDlgPDir</name>
    <message>
        <source>手动目录</source>
        <translation>Thư mục thủ công</translation>
    </message>
    <message>
        <source>自动目录</source>
        <translation>Thư mục tự động</translation>
    </message>
    <message>
        <source>备份目录</source>
        <translation>Thư mục sao lưu</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Thay đổi</translation>
    </message>
    <message>
        <source>自动备份已打印的文件</source>
        <translation>Tự động sao lưu các tệp đã in</translation>
    </message>
    <message>
        <source>文件过滤：</source>
        <translation>Bộ lọc tệp:</translation>
    </message>
    <message>
        <source>logo设置:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <source>logo字体大小(0~10)</source>
        <translation>Cỡ chữ logo (0~10)</translation>
    </message>
    <message>
        <source>线条粗细设置</source>
        <translation>Độ dày nét</translation>
    </message>
    <message>
        <source>%1像素</source>
        <translation>%1 điểm ảnh</translation>
    </message>
    <message>
        <source>线条加黑</source>
        <translation>Tô đậm nét</translation>
    </message>
</context>
<context>
    <name>CDlgPMac</name>
    <message>
        <source>喷头组合</source>
        <translation>Tổ hợp đầu phun</translation>
    </message>
    <message>
        <source>启用1#喷头</source>
        <translation>Dùng đầu phun 1#</translation>
    </message>
    <message>
        <source>启用2#喷头</source>
        <translation>Dùng đầu phun 2#</translation>
    </message>
</context>
<context>
    <name>CDlgPMisc</name>
    <message>
        <source>手动打开时，默认的扩展名</source>
        <translation>Loại tệp mặc định khi thêm thủ công</translation>
    </message>
    <message>
        <source>所有文件(*.*)</source>
        <translation>Tất cả tệp(*.*)</translation>
    </message>
    <message>
        <source>HPGL文件(*.p*;*.h*;*.spl)</source>
        <translation>Tệp HPGL(*.p*;*.h*;*.spl)</translation>
    </message>
    <message>
        <source>dxf文件(*.dxf)</source>
        <translation>Tệp DXF(*.dxf)</translation>
    </message>
    <message>
        <source>支持的文件(*.plt;*.p0*;*.hpg;*.dxf)</source>
        <translation>Tệp được hỗ trợ(*.plt;*.p0*;*.hpg;*.dxf)</translation>
    </message>
    <message>
        <source>定制功能</source>
        <translation>Chức năng tùy chỉnh</translation>
    </message>
    <message>
        <source>允许移动选中的曲线</source>
        <translation>Cho phép di chuyển các đường cong đã chọn</translation>
    </message>
</context>
<context>
    <name>CDlgPSize</name>
    <message>
        <source>尺寸相关</source>
        <translation>Kích thước</translation>
    </message>
    <message>
        <source>设计尺寸</source>
        <translation>Kích thước thiết kế</translation>
    </message>
    <message>
        <source>测量尺寸</source>
        <translation>Kích thước đo được</translation>
    </message>
    <message>
        <source>缩放比例</source>
        <translation>Tỷ lệ</translation>
    </message>
    <message>
        <source>纸长方向:</source>
        <translation>Theo chiều dài giấy:</translation>
    </message>
    <message>
        <source>纸宽方向:</source>
        <translation>Theo chiều rộng giấy:</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Cập nhật</translation>
    </message>
    <message>
        <source>比例参数存于主板</source>
        <translation>Lưu tỷ lệ trên bo mạch máy</translation>
    </message>
    <message>
        <source>比例参数存于电脑</source>
        <translation>Lưu tỷ lệ trên máy tính</translation>
    </message>
</context>
<context>
    <name>CDlgPara</name>
    <message>
        <source>参数设置</source>
        <translation>Thiết lập thông số</translation>
    </message>
</context>
<context>
    <name>CDlgPropTextAdd</name>
    <message>
        <source>文字属性</source>
        <translation>Thuộc tính văn bản</translation>
    </message>
    <message>
        <source>坐标X(mm)：</source>
        <translation>Tọa độ X (mm):</translation>
    </message>
    <message>
        <source>坐标Y(mm)：</source>
        <translation>Tọa độ Y (mm):</translation>
    </message>
    <message>
        <source>角度(-179~180度)：</source>
        <translation>Góc (-179~180°):</translation>
    </message>
    <message>
        <source>字体大小(0~9)：</source>
        <translation>Cỡ chữ (0~9):</translation>
    </message>
    <message>
        <source>文字内容：</source>
        <translation>Nội dung:</translation>
    </message>
</context>
<context>
    <name>CDlgSetEth</name>
    <message>
        <source>网络设置</source>
        <translation>Cài đặt mạng</translation>
    </message>
    <message>
        <source>绘图仪IP</source>
        <translation>IP máy vẽ</translation>
    </message>
    <message>
        <source>提示1：将绘图仪IP的前3段和电脑IP前3段的数字设置成一样才能正常联机</source>
        <translation>Gợi ý 1: ba số đầu của IP máy vẽ phải giống ba số đầu của IP máy tính thì mới kết nối được</translation>
    </message>
    <message>
        <source>提示2：开机时，按住面板上的“启动/暂停”键，机器IP将临时恢复为默认值(192.168.1.176)，如果需要保存，请在联机成功后，按下面的确定键</source>
        <translation>Gợi ý 2: giữ phím “Bắt đầu/Tạm dừng” trên bảng điều khiển khi bật máy, IP của máy sẽ tạm thời trở về mặc định (192.168.1.176); nếu cần lưu, hãy nhấn nút OK bên dưới sau khi kết nối thành công</translation>
    </message>
</context>
<context>
    <name>CDlgSetPltUnit</name>
    <message>
        <source>PLT文件单位</source>
        <translation>Đơn vị tệp PLT</translation>
    </message>
    <message>
        <source>绘图单位 </source>
        <translation>Đơn vị vẽ </translation>
    </message>
    <message>
        <source>下次打开plt时不弹出此对话框</source>
        <translation>Không hiện hộp thoại này khi mở plt lần sau</translation>
    </message>
    <message>
        <source>提示:
    对于大多数CAD软件输出的plt, 1个数据单位代表0.0250mm, 这里应该选择“0.0250mm(常规)” 但某些软件(如格博)输出的plt, 1个数据单位代表1mil(即0.0254mm), 这里应该选择“0.0254mm” 如果选择了不合适的绘图单位, 会导致输出的图形尺寸有偏差.</source>
        <translation>Gợi ý:
    Trong tệp plt của hầu hết phần mềm CAD, một đơn vị là 0.0250 mm: hãy chọn &quot;0.0250mm&quot;. Một số phần mềm ghi một đơn vị là 1 mil (0.0254 mm): hãy chọn &quot;0.0254mm&quot; cho chúng. Chọn sai đơn vị vẽ sẽ làm kích thước bản in bị sai lệch.</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Hủy</translation>
    </message>
</context>
<context>
    <name>CHistoryWnd</name>
    <message>
        <source>打印记录</source>
        <translation>Lịch sử in</translation>
    </message>
    <message>
        <source>时间段:</source>
        <translation>Khoảng thời gian:</translation>
    </message>
    <message>
        <source>今天</source>
        <translation>Hôm nay</translation>
    </message>
    <message>
        <source>最近7天</source>
        <translation>7 ngày qua</translation>
    </message>
    <message>
        <source>最近30天</source>
        <translation>30 ngày qua</translation>
    </message>
    <message>
        <source>最近一年</source>
        <translation>12 tháng qua</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Tất cả</translation>
    </message>
    <message>
        <source>结果:</source>
        <translation>Kết quả:</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Làm mới</translation>
    </message>
    <message>
        <source>导出CSV...</source>
        <translation>Xuất CSV...</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Bắt đầu</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>Tên tệp</translation>
    </message>
    <message>
        <source>来源</source>
        <translation>Nguồn</translation>
    </message>
    <message>
        <source>份</source>
        <translation>Bản</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Kết quả</translation>
    </message>
    <message>
        <source>用时</source>
        <translation>Thời gian</translation>
    </message>
    <message>
        <source>带</source>
        <translation>Dải</translation>
    </message>
    <message>
        <source>宽*长(mm)</source>
        <translation>R*D (mm)</translation>
    </message>
    <message>
        <source>纸张(m)</source>
        <translation>Giấy (m)</translation>
    </message>
    <message>
        <source>切割(m)</source>
        <translation>Dao cắt (m)</translation>
    </message>
    <message>
        <source>%1# 墨水(mL)</source>
        <translation>Mực %1# (mL)</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>打印中</source>
        <translation>Đang in</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Hoàn tất</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Đã dừng</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Thất bại</translation>
    </message>
    <message>
        <source>中断</source>
        <translation>Bị gián đoạn</translation>
    </message>
    <message>
        <source>手动打开</source>
        <translation>Thêm thủ công</translation>
    </message>
    <message>
        <source>手动目录</source>
        <translation>Thư mục thủ công</translation>
    </message>
    <message>
        <source>自动目录</source>
        <translation>Thư mục tự động</translation>
    </message>
    <message>
        <source>网络</source>
        <translation>Mạng</translation>
    </message>
    <message>
        <source>命令行</source>
        <translation>Dòng lệnh</translation>
    </message>
    <message>
        <source>打印记录无法读取: %1</source>
        <translation>Không đọc được lịch sử in: %1</translation>
    </message>
    <message>
        <source>共 %1 份（完成 %2，停止 %3，失败 %4，中断 %5）  机器时间 %6  纸张 %7 m  切割 %8 m</source>
        <translation>%1 bản (hoàn tất %2, đã dừng %3, thất bại %4, gián đoạn %5)  thời gian máy %6  giấy %7 m  dao cắt %8 m</translation>
    </message>
    <message>
        <source>%1# 墨水 %2 mL</source>
        <translation>mực %1# %2 mL</translation>
    </message>
    <message>
        <source>最长: %1 (%2)</source>
        <translation>lâu nhất: %1 (%2)</translation>
    </message>
    <message>
        <source>导出CSV</source>
        <translation>Xuất CSV</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>Tệp CSV (*.csv)</translation>
    </message>
    <message>
        <source>文件未写入: %1</source>
        <translation>Không ghi được tệp: %1</translation>
    </message>
</context>
<context>
    <name>CMyDlgBar</name>
    <message>
        <source>添加</source>
        <translation>Thêm</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>加入排队</source>
        <translation>Xếp hàng</translation>
    </message>
    <message>
        <source>移出排队</source>
        <translation>Bỏ xếp hàng</translation>
    </message>
    <message>
        <source>全部移出</source>
        <translation>Bỏ tất cả</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Bắt đầu</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Tạm dừng</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Đặt lại</translation>
    </message>
    <message>
        <source>左走</source>
        <translation>Trái</translation>
    </message>
    <message>
        <source>右走</source>
        <translation>Phải</translation>
    </message>
    <message>
        <source>进纸</source>
        <translation>Đẩy giấy</translation>
    </message>
    <message>
        <source>退纸</source>
        <translation>Lùi giấy</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Thử</translation>
    </message>
    <message>
        <source>裁断</source>
        <translation>Cắt giấy</translation>
    </message>
    <message>
        <source>偏移</source>
        <translation>Độ lệch</translation>
    </message>
    <message>
        <source>参数</source>
        <translation>Thông số</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>落刀</source>
        <translation>Hạ dao</translation>
    </message>
    <message>
        <source>风扇</source>
        <translation>Quạt</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Tự động</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Ngôn ngữ</translation>
    </message>
    <message>
        <source>语言设置改变，重启生效</source>
        <translation>Có hiệu lực sau khi khởi động lại</translation>
    </message>
</context>
<context>
    <name>CMyListView</name>
    <message>
        <source>修改份数</source>
        <translation>Sửa số bản</translation>
    </message>
    <message>
        <source>修改起始位置</source>
        <translation>Sửa vị trí bắt đầu</translation>
    </message>
    <message>
        <source>删除“已完成”</source>
        <translation>Xóa &quot;đã hoàn thành&quot;</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>加入队列</source>
        <translation>Xếp hàng</translation>
    </message>
    <message>
        <source>移出队列</source>
        <translation>Bỏ xếp hàng</translation>
    </message>
    <message>
        <source>全部移出</source>
        <translation>Bỏ tất cả</translation>
    </message>
</context>
<context>
    <name>CPelvaneDoc</name>
    <message>
        <source>立式切割机打印任务(*.pvtask)</source>
        <translation>Tác vụ in máy cắt đứng(*.pvtask)</translation>
    </message>
    <message>
        <source>恢复打印任务</source>
        <translation>Khôi phục tác vụ in</translation>
    </message>
</context>
<context>
    <name>FieldCheck</name>
    <message>
        <source>请输入一个整数。</source>
        <translation>Vui lòng nhập một số nguyên.</translation>
    </message>
    <message>
        <source>请输入一个数字。</source>
        <translation>Vui lòng nhập một số.</translation>
    </message>
    <message>
        <source>请输入一个 %1 至 %2 之间的整数。</source>
        <translation>Vui lòng nhập một số nguyên từ %1 đến %2.</translation>
    </message>
    <message>
        <source>请输入一个 %1 至 %2 之间的数字。</source>
        <translation>Vui lòng nhập một số từ %1 đến %2.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>打印记录</source>
        <translation>Lịch sử in</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;Tệp</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>调机文件(&amp;T)</source>
        <translation>Tệp &amp;mẫu thử</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Sửa</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Hoàn tác</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Làm lại</translation>
    </message>
    <message>
        <source>设置(&amp;S)</source>
        <translation>&amp;Cài đặt</translation>
    </message>
    <message>
        <source>参数</source>
        <translation>Thông số</translation>
    </message>
    <message>
        <source>绘图单位</source>
        <translation>Đơn vị vẽ</translation>
    </message>
    <message>
        <source>墨量统计</source>
        <translation>Thống kê mực</translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation>&amp;Xem</translation>
    </message>
    <message>
        <source>适合屏幕</source>
        <translation>Vừa màn hình</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Thanh công cụ</translation>
    </message>
    <message>
        <source>隐藏</source>
        <translation>Ẩn</translation>
    </message>
    <message>
        <source>通讯端口(&amp;C)</source>
        <translation>&amp;Kết nối</translation>
    </message>
    <message>
        <source>网口</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation>&amp;Ngôn ngữ</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>Trợ &amp;giúp</translation>
    </message>
    <message>
        <source>关于(&amp;A)...</source>
        <translation>&amp;Giới thiệu...</translation>
    </message>
    <message>
        <source>固件更新(&amp;U)</source>
        <translation>Cập nhật &amp;firmware</translation>
    </message>
    <message>
        <source>虚拟绘图仪</source>
        <translation>Máy vẽ ảo</translation>
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
        <translation>Hủy</translation>
    </message>
</context>
<context>
    <name>ParaFields</name>
    <message>
        <source>读取绘图文件时自动将外轮廓识别为切割线</source>
        <translation>Tự động nhận dạng đường viền ngoài thành đường cắt khi đọc tệp</translation>
    </message>
    <message>
        <source>识别轮廓前，先识别“T”型剪口</source>
        <translation>Nhận dạng khía chữ &quot;T&quot; trước đường viền</translation>
    </message>
    <message>
        <source>识别轮廓前，先识别“I”型剪口</source>
        <translation>Nhận dạng khía chữ &quot;I&quot; trước đường viền</translation>
    </message>
    <message>
        <source>切割轮廓识别出来的剪口</source>
        <translation>Cắt các khía nhận dạng được trên đường viền</translation>
    </message>
    <message>
        <source>文件打开时检测到有切割线时不识别外轮廓</source>
        <translation>Không nhận dạng đường viền khi tệp đã có đường cắt</translation>
    </message>
    <message>
        <source>自动优化对称片切割顺序</source>
        <translation>Tự động tối ưu thứ tự cắt các mảnh đối xứng</translation>
    </message>
    <message>
        <source>DXF文件单位(1,4,10,40,100,400,1000...)</source>
        <translation>Đơn vị tệp DXF (1,4,10,40,100,400,1000...)</translation>
    </message>
    <message>
        <source>按AAMA/ASTM图层读取服装DXF文件(切割线,单位,尺码)</source>
        <translation>Đọc tệp DXF may mặc theo lớp AAMA/ASTM (đường cắt, đơn vị, cỡ)</translation>
    </message>
    <message>
        <source>(喷墨模式)只绘不切</source>
        <translation>Chỉ vẽ, không cắt (chế độ phun mực)</translation>
    </message>
    <message>
        <source>绘切割线</source>
        <translation>Vẽ cả đường cắt</translation>
    </message>
    <message>
        <source>开始打印前清洗喷头</source>
        <translation>Làm sạch đầu phun trước khi in</translation>
    </message>
    <message>
        <source>每段开始清洗喷头</source>
        <translation>Làm sạch đầu phun ở đầu mỗi đoạn</translation>
    </message>
    <message>
        <source>宽幅模式(分页前自动旋转)</source>
        <translation>Chế độ khổ rộng (tự xoay trước khi chia trang)</translation>
    </message>
    <message>
        <source>是否镜像</source>
        <translation>Lật gương</translation>
    </message>
    <message>
        <source>分页</source>
        <translation>Chia trang</translation>
    </message>
    <message>
        <source>分页宽度(mm)</source>
        <translation>Chiều rộng trang (mm)</translation>
    </message>
    <message>
        <source>字体缩放比例(20%~500%)</source>
        <translation>Tỷ lệ phông chữ (20%~500%)</translation>
    </message>
    <message>
        <source>自动删除列表中已经完成的项</source>
        <translation>Tự động xóa các mục đã hoàn thành khỏi danh sách</translation>
    </message>
    <message>
        <source>切割时跳过U形剪口,并把U形剪口变成绘图</source>
        <translation>Bỏ qua khía chữ U khi cắt và chuyển chúng thành nét vẽ</translation>
    </message>
    <message>
        <source>线条变打孔</source>
        <translation>Đổi nét thành lỗ đục</translation>
    </message>
    <message>
        <source>孔间隔(mm)</source>
        <translation>Khoảng cách lỗ (mm)</translation>
    </message>
    <message>
        <source>边线调整</source>
        <translation>Điều chỉnh mép</translation>
    </message>
    <message>
        <source>缓冲(0~50mm)</source>
        <translation>Vùng đệm (0~50mm)</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Trái</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Phải</translation>
    </message>
    <message>
        <source>边距(0~200mm)</source>
        <translation>Lề (0~200mm)</translation>
    </message>
    <message>
        <source>边线(-5-5)像素</source>
        <translation>Mép (-5-5) điểm ảnh</translation>
    </message>
    <message>
        <source>喷墨参数</source>
        <translation>Thông số phun mực</translation>
    </message>
    <message>
        <source>双向打印</source>
        <translation>In hai chiều</translation>
    </message>
    <message>
        <source>1#2#喷头X向重合点数(0~10)</source>
        <translation>Số điểm chồng lấn X của đầu 1#2# (0~10)</translation>
    </message>
    <message>
        <source>来回校正(0~50.00mm)</source>
        <translation>Hiệu chỉnh in hai chiều (0~50.00mm)</translation>
    </message>
    <message>
        <source>喷头位置</source>
        <translation>Vị trí đầu phun</translation>
    </message>
    <message>
        <source>向左打印时</source>
        <translation>Khi in sang trái</translation>
    </message>
    <message>
        <source>向右打印时</source>
        <translation>Khi in sang phải</translation>
    </message>
    <message>
        <source>喷头重合(单位:pix)</source>
        <translation>Chồng lấn đầu phun (đơn vị: pix)</translation>
    </message>
    <message>
        <source>1#2#之间(0~10)</source>
        <translation>Giữa 1# và 2# (0~10)</translation>
    </message>
    <message>
        <source>2#3#之间(0~10)</source>
        <translation>Giữa 2# và 3# (0~10)</translation>
    </message>
    <message>
        <source>3#4#之间(0~10)</source>
        <translation>Giữa 3# và 4# (0~10)</translation>
    </message>
    <message>
        <source>喷头位置(单位:pix)</source>
        <translation>Vị trí đầu phun (đơn vị: pix)</translation>
    </message>
    <message>
        <source>切割参数</source>
        <translation>Thông số cắt</translation>
    </message>
    <message>
        <source>刀压</source>
        <translation>Lực dao</translation>
    </message>
    <message>
        <source>切割方式(0-不减速 1-减速抬刀)</source>
        <translation>Cách cắt (0-không giảm tốc 1-giảm tốc nhấc dao)</translation>
    </message>
    <message>
        <source>全刀切割长度(20~100)(mm)</source>
        <translation>Chiều dài cắt đứt (20~100)(mm)</translation>
    </message>
    <message>
        <source>粘连量(0.1~3.0)(mm)</source>
        <translation>Độ dài cầu nối (0.1~3.0)(mm)</translation>
    </message>
    <message>
        <source>电磁铁响应延迟(0.0~20.0)(ms)</source>
        <translation>Độ trễ nam châm điện (0.0~20.0)(ms)</translation>
    </message>
    <message>
        <source>喷切重合(X)(-200.0~200.0)(mm)</source>
        <translation>Căn chỉnh in-cắt (X)(-200.0~200.0)(mm)</translation>
    </message>
    <message>
        <source>喷切重合(Y)(-200.0~200.0)(mm)</source>
        <translation>Căn chỉnh in-cắt (Y)(-200.0~200.0)(mm)</translation>
    </message>
    <message>
        <source>刀尖补偿(0~2)(mm)</source>
        <translation>Bù đầu dao (0~2)(mm)</translation>
    </message>
    <message>
        <source>启动刀压(2~199)</source>
        <translation>Lực dao khởi động (2~199)</translation>
    </message>
    <message>
        <source>全刀刀压(2~199)</source>
        <translation>Lực dao cắt đứt (2~199)</translation>
    </message>
    <message>
        <source>半刀刀压(0~50)</source>
        <translation>Lực dao cắt nửa (0~50)</translation>
    </message>
    <message>
        <source>送纸参数</source>
        <translation>Thông số đẩy giấy</translation>
    </message>
    <message>
        <source>文件尾切割(mm)</source>
        <translation>Cắt cuối tệp (mm)</translation>
    </message>
    <message>
        <source>打印前进纸长度(0~250mm)</source>
        <translation>Đẩy giấy trước khi in (0~250mm)</translation>
    </message>
    <message>
        <source>打印后进纸长度(0~250mm)</source>
        <translation>Đẩy giấy sau khi in (0~250mm)</translation>
    </message>
    <message>
        <source>喷墨模式时也裁纸</source>
        <translation>Cắt giấy cả ở chế độ phun mực</translation>
    </message>
    <message>
        <source>起点Y坐标：</source>
        <translation>Tọa độ Y đầu:</translation>
    </message>
    <message>
        <source>终点Y坐标：</source>
        <translation>Tọa độ Y cuối:</translation>
    </message>
    <message>
        <source>裁纸中间粘连量(0.0~5.0mm)</source>
        <translation>Cầu nối khi cắt giấy (0.0~5.0mm)</translation>
    </message>
    <message>
        <source>尾切割线与裁片距离(0~50mm)</source>
        <translation>Khoảng cách đường cắt cuối đến mảnh (0~50mm)</translation>
    </message>
    <message>
        <source>齿轮比调整</source>
        <translation>Điều chỉnh tỷ số truyền</translation>
    </message>
    <message>
        <source>喷墨频率</source>
        <translation>Tần số phun</translation>
    </message>
    <message>
        <source>图形分段</source>
        <translation>Phân đoạn hình</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Tốc độ</translation>
    </message>
    <message>
        <source>空程速度</source>
        <translation>Tốc độ chạy không</translation>
    </message>
    <message>
        <source>切割速度</source>
        <translation>Tốc độ cắt</translation>
    </message>
    <message>
        <source>走纸轴每mm脉冲数(30~200)</source>
        <translation>Số xung mỗi mm trục giấy (30~200)</translation>
    </message>
    <message>
        <source>小车轴每mm脉冲数(30~200)</source>
        <translation>Số xung mỗi mm trục xe mang đầu (30~200)</translation>
    </message>
    <message>
        <source>点火脉宽(18~25)</source>
        <translation>Độ rộng xung phun (18~25)</translation>
    </message>
    <message>
        <source>喷墨间隔脉冲数</source>
        <translation>Số xung giữa các lần phun</translation>
    </message>
    <message>
        <source>喷头左右两列距离(20~40像素)</source>
        <translation>Khoảng cách hai cột vòi phun (20~40 điểm ảnh)</translation>
    </message>
    <message>
        <source>喷多少次切割一段</source>
        <translation>Số lượt phun mỗi đoạn cắt</translation>
    </message>
    <message>
        <source>段间重叠补偿(0.00mm~2.00mm)</source>
        <translation>Bù chồng lấn giữa các đoạn (0.00mm~2.00mm)</translation>
    </message>
    <message>
        <source>进退纸方向</source>
        <translation>Hướng đẩy giấy</translation>
    </message>
    <message>
        <source>进退纸</source>
        <translation>Đẩy/lùi giấy</translation>
    </message>
    <message>
        <source>最大速度(100~600mm/s)</source>
        <translation>Tốc độ tối đa (100~600mm/s)</translation>
    </message>
    <message>
        <source>加速度(0.5~10 m/s^2)</source>
        <translation>Gia tốc (0.5~10 m/s^2)</translation>
    </message>
    <message>
        <source>长距离时降速比(20%~100%)</source>
        <translation>Tỷ lệ giảm tốc khi đi xa (20%~100%)</translation>
    </message>
    <message>
        <source>小车方向</source>
        <translation>Hướng xe mang đầu</translation>
    </message>
    <message>
        <source>小车</source>
        <translation>Xe mang đầu</translation>
    </message>
    <message>
        <source>最大速度(400~1200mm/s)</source>
        <translation>Tốc độ tối đa (400~1200mm/s)</translation>
    </message>
    <message>
        <source>加速度(1~20 m/s^2)</source>
        <translation>Gia tốc (1~20 m/s^2)</translation>
    </message>
    <message>
        <source>切割时</source>
        <translation>Khi cắt</translation>
    </message>
    <message>
        <source>最大速度(50~600mm/s)</source>
        <translation>Tốc độ tối đa (50~600mm/s)</translation>
    </message>
    <message>
        <source>加速度(0.2~5 m/s^2)</source>
        <translation>Gia tốc (0.2~5 m/s^2)</translation>
    </message>
    <message>
        <source>软限位</source>
        <translation>Giới hạn mềm</translation>
    </message>
    <message>
        <source>机头移动位置超出时停止(mm)</source>
        <translation>Dừng khi đầu máy vượt quá (mm)</translation>
    </message>
</context>
<context>
    <name>ParaPage</name>
    <message>
        <source>截图保存</source>
        <translation>Lưu ảnh chụp</translation>
    </message>
    <message>
        <source>保存截图</source>
        <translation>Lưu ảnh chụp</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Áp dụng</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Hủy</translation>
    </message>
</context>
<context>
    <name>TrainingDock</name>
    <message>
        <source>虚拟绘图仪无法启动：%1</source>
        <translation>Không khởi động được máy vẽ ảo: %1</translation>
    </message>
    <message>
        <source>虚拟绘图仪</source>
        <translation>Máy vẽ ảo</translation>
    </message>
</context>
<context>
    <name>TrainingPlotterView</name>
    <message>
        <source>虚拟绘图仪已就绪，等待任务。</source>
        <translation>Máy vẽ ảo đã sẵn sàng, đang chờ lệnh in.</translation>
    </message>
    <message>
        <source>正在接收</source>
        <translation>đang nhận</translation>
    </message>
    <message>
        <source>已完成</source>
        <translation>hoàn tất</translation>
    </message>
    <message>
        <source>已停止</source>
        <translation>đã dừng</translation>
    </message>
    <message>
        <source>机器离开了打印状态</source>
        <translation>máy đã thoát chế độ in</translation>
    </message>
    <message>
        <source>被新任务取代</source>
        <translation>bị thay bằng lệnh in mới</translation>
    </message>
    <message>
        <source>任务 %1：%2，%3 个喷墨带，%4 段切割</source>
        <translation>Lệnh in %1: %2, %3 dải in, %4 đoạn cắt</translation>
    </message>
    <message>
        <source>喷墨</source>
        <translation>Mực</translation>
    </message>
    <message>
        <source>切割</source>
        <translation>Dao cắt</translation>
    </message>
    <message>
        <source>墨点太多，无法显示</source>
        <translation>Quá nhiều điểm mực để hiển thị</translation>
    </message>
</context>
<context>
    <name>ViewContextMenu</name>
    <message>
        <source>全选</source>
        <translation>Chọn tất cả</translation>
    </message>
    <message>
        <source>撤销	Ctrl+Z</source>
        <translation>Hoàn tác	Ctrl+Z</translation>
    </message>
    <message>
        <source>重做	Ctrl+Y</source>
        <translation>Làm lại	Ctrl+Y</translation>
    </message>
    <message>
        <source>识别图形外轮廓</source>
        <translation>Nhận dạng đường viền ngoài</translation>
    </message>
    <message>
        <source>转换为绘图	Ctrl+1</source>
        <translation>Chuyển thành nét vẽ	Ctrl+1</translation>
    </message>
    <message>
        <source>转换为切割	Ctrl+2</source>
        <translation>Chuyển thành nét cắt	Ctrl+2</translation>
    </message>
    <message>
        <source>旋转90度</source>
        <translation>Xoay 90°</translation>
    </message>
    <message>
        <source>Y向(纸宽方向)手动分页</source>
        <translation>Chia trang thủ công theo Y (chiều rộng giấy)</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>喷墨数据</source>
        <translation>Dữ liệu phun mực</translation>
    </message>
    <message>
        <source>切割数据</source>
        <translation>Dữ liệu cắt</translation>
    </message>
    <message>
        <source>删除所选	Delete</source>
        <translation>Xóa mục đã chọn	Delete</translation>
    </message>
    <message>
        <source>图形平移至左下角</source>
        <translation>Dời hình về góc dưới bên trái</translation>
    </message>
    <message>
        <source>曲线按角度打断	Ctrl+D</source>
        <translation>Ngắt đường cong theo góc	Ctrl+D</translation>
    </message>
    <message>
        <source>曲线反向</source>
        <translation>Đảo chiều đường cong</translation>
    </message>
</context>
<context>
    <name>pv::ui::CColorStatusBar</name>
    <message>
        <source>鼠标:(0mm,0mm)</source>
        <translation>Chuột:(0mm,0mm)</translation>
    </message>
    <message>
        <source>机器状态</source>
        <translation>Trạng thái máy</translation>
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
        <translation>Chọn cỡ</translation>
    </message>
    <message>
        <source>文件中有多个尺码, 请勾选要加入任务的尺码:</source>
        <translation>Tệp có nhiều cỡ; hãy đánh dấu các cỡ cần thêm vào lệnh in:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Hủy</translation>
    </message>
</context>
</TS>
