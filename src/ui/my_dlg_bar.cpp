#include "ui/my_dlg_bar.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>

#include "jobs/station.h"
#include "ui/bar_icons.h"
#include "ui/button_st.h"
#include "ui/command_ids.h"
#include "ui/flow_layout.h"

namespace pv::ui {

namespace {

using K = CMyDlgBar::Kind;

// Machine command codes the bar pushes into the command queue.
enum : int {
    kCodeStopJog = 0,
    kCodeBack = 1,
    kCodeFeed = 2,
    kCodeLeft = 3,
    kCodeRight = 4,
    kCodeFanOn = 5,
    kCodeFanOff = 6,
    kCodeHeadTest = 7,
    kCodeKnifeDown = 8,
    kCodeKnifeUp = 9,
    kCodeCutOff = 10,
    kCodeStop = 11,
    kCodeResume = 12,
    kCodePause = 13,
    kCodeReset = 15,
};


// Shared by both bars: files, print control, jogs, test and cut-off, dialogs.
const std::vector<CMyDlgBar::Control> kFileControls = {
    {kCmdAddFile, QT_TRANSLATE_NOOP("CMyDlgBar", "添加"), "添加plt", "Add plt", "add", K::Button},
    {kCmdSavePlt, QT_TRANSLATE_NOOP("CMyDlgBar", "保存"), "保存plt", "Save plt", "save", K::Button},
    {kCmdDeleteJobs, QT_TRANSLATE_NOOP("CMyDlgBar", "删除"), "删除", "Del", "delete", K::Button},
};
const std::vector<CMyDlgBar::Control> kQueueControls = {
    {kCmdQueueIn, QT_TRANSLATE_NOOP("CMyDlgBar", "加入排队"), "", "", "queue_in", K::Button},
    {kCmdQueueOut, QT_TRANSLATE_NOOP("CMyDlgBar", "移出排队"), "", "", "queue_out", K::Button},
    {kCmdQueueAllOut, QT_TRANSLATE_NOOP("CMyDlgBar", "全部移出"), "", "", "queue_all_out", K::Button},
};
const std::vector<CMyDlgBar::Control> kMachineControls = {
    {kCmdStart, QT_TRANSLATE_NOOP("CMyDlgBar", "开始"), "开始", "Start", "start", K::Button},
    {kCmdPause, QT_TRANSLATE_NOOP("CMyDlgBar", "暂停"), "暂停", "Pause", "pause", K::Button},
    {kCmdStop, QT_TRANSLATE_NOOP("CMyDlgBar", "停止"), "停止", "Stop", "stop", K::Button},
    {kCmdReset, QT_TRANSLATE_NOOP("CMyDlgBar", "复位"), "", "", "reset", K::Button},
    {kCmdLeft, QT_TRANSLATE_NOOP("CMyDlgBar", "左走"), "", "", "left", K::Button},
    {kCmdRight, QT_TRANSLATE_NOOP("CMyDlgBar", "右走"), "", "", "right", K::Button},
    {kCmdFeed, QT_TRANSLATE_NOOP("CMyDlgBar", "进纸"), "", "", "feed", K::Button},
    {kCmdFeedBack, QT_TRANSLATE_NOOP("CMyDlgBar", "退纸"), "", "", "back", K::Button},
    {kCmdTest, QT_TRANSLATE_NOOP("CMyDlgBar", "测试"), "", "", "test", K::Button},
    {kCmdCutOff, QT_TRANSLATE_NOOP("CMyDlgBar", "裁断"), "", "", "cutoff", K::Button},
    {kCmdOffset, QT_TRANSLATE_NOOP("CMyDlgBar", "偏移"), "偏移", "Offset", "offset", K::Button},
    {kCmdParameters, QT_TRANSLATE_NOOP("CMyDlgBar", "参数"), "参数", "Settings", "params", K::Button},
    {kCmdNetwork, QT_TRANSLATE_NOOP("CMyDlgBar", "IP"), "IP", "IP", "ip", K::Button},
};
const std::vector<CMyDlgBar::Control> kToolControls = {
    {kCmdFitButton, "", "适合", "Fit", "fit", K::Button},
    {kCmdToolStartPoint, "", "设置起喷点", "Set start", "start_point", K::Button},
    {kCmdToolMoveView, "", "移动视图", "Move view", "move_view", K::Button},
    {kCmdToolSelect, "", "选择线条", "Select", "select", K::Button},
    {kCmdToolMoveLine, "", "移动线条", "Move line", "move_line", K::Button},
    {kCmdToolText, "", "添加文本", "Add text", "text", K::Button},
};

std::vector<CMyDlgBar::Control> TwoHeadBar() {
    std::vector<CMyDlgBar::Control> c = kFileControls;
    c.insert(c.end(), kMachineControls.begin(), kMachineControls.end());
    c.push_back({kCtlKnife, QT_TRANSLATE_NOOP("CMyDlgBar", "落刀"), "", "", "", K::Check});
    c.push_back({kCtlFan, QT_TRANSLATE_NOOP("CMyDlgBar", "风扇"), "", "", "", K::Check});
    c.push_back({kCtlAutoStart, QT_TRANSLATE_NOOP("CMyDlgBar", "自动"), "", "", "auto", K::AutoCheck});
    c.insert(c.end(), kToolControls.begin(), kToolControls.end());
    c.push_back({161, "", "", "", "logo", K::Picture});
    return c;
}

std::vector<CMyDlgBar::Control> FourHeadBar() {
    std::vector<CMyDlgBar::Control> c = kFileControls;
    c.insert(c.end(), kQueueControls.begin(), kQueueControls.end());
    c.insert(c.end(), kMachineControls.begin(), kMachineControls.end());
    c.push_back({kCtlKnife4, QT_TRANSLATE_NOOP("CMyDlgBar", "落刀"), "", "", "", K::Check});
    c.push_back({kCtlFan4, QT_TRANSLATE_NOOP("CMyDlgBar", "风扇"), "", "", "", K::Check});
    c.push_back({kCtlAutoStart4, QT_TRANSLATE_NOOP("CMyDlgBar", "自动"), "", "", "auto", K::AutoCheck});
    c.push_back({kCmdLanguageStep, QT_TRANSLATE_NOOP("CMyDlgBar", "语言"), "", "", "language", K::Button});
    c.push_back({0, QT_TRANSLATE_NOOP("CMyDlgBar", "语言设置改变，重启生效"), "", "", "", K::Note});
    return c;
}

int ToolOf(int id) {
    switch (id) {
    case kCmdToolMoveView: return 0;
    case kCmdToolSelect: return 1;
    case kCmdToolMoveLine: return 2;
    case kCmdToolStartPoint: return 3;
    case kCmdToolText: return 4;
    default: return -1;
    }
}

}  // namespace

const std::vector<CMyDlgBar::Control>& CMyDlgBar::Controls(bool fourHead) {
    static const std::vector<Control> two = TwoHeadBar();
    static const std::vector<Control> four = FourHeadBar();
    return fourHead ? four : two;
}

CMyDlgBar::CMyDlgBar(Station& station, QWidget* parent) : QWidget(parent), station_(station) {
    // The bar wraps onto further rows rather than widen the window: in the
    // longer languages one row of captions is wider than a 1280-pixel screen.
    auto* row = new FlowLayout(this, 2);
    for (const Control& c : Controls(IsFourHead(station_.edition()))) {
        QWidget* w = MakeControl(c);
        row->addWidget(w);
        if (c.id) widgets_.insert(c.id, w);
    }
    RefreshToolIcons();
}

QWidget* CMyDlgBar::MakeControl(const Control& c) {
    const QString caption = QCoreApplication::translate("CMyDlgBar", c.caption);
    switch (c.kind) {
    case Kind::Check: {
        auto* box = new QCheckBox(caption, this);
        box->setFocusPolicy(Qt::NoFocus);
        connect(box, &QCheckBox::clicked, this, [this, id = c.id] { emit command(id); });
        return box;
    }
    case Kind::Picture: {
        auto* picture = new QLabel(this);
        picture->setPixmap(BarIcon(c.icon).pixmap(QSize(96, 32)));
        return picture;
    }
    case Kind::Note: {
        // One short line beside the language button: a wrapped label would
        // be laid out at its narrowest, a column of one word per line.
        auto* note = new QLabel(caption, this);
        note->setWordWrap(false);
        return note;
    }
    case Kind::Button:
    case Kind::AutoCheck:
        break;
    }
    auto* button = new CButtonST(c.id, this);
    const bool tool = ToolOf(c.id) >= 0 || c.id == kCmdFitButton;
    if (tool) {
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);   // tool buttons carry no caption
    } else {
        button->setText(caption);
    }
    if (*c.tipZh) button->setToolTip(QString::fromUtf8(Language() == 0 ? c.tipZh : c.tipEn));
    if (c.kind == Kind::AutoCheck) {
        button->setCheckable(true);
        button->setChecked(station_.AutoStartOn());
        button->SetIcons(BarIcon("auto_off"), BarIcon("auto_on"));
        button->SetPushedLook(button->isChecked());
        connect(button, &QToolButton::toggled, button, &CButtonST::SetPushedLook);
    } else {
        button->SetIcons(BarIcon(c.icon), PushedBarIcon(c.icon));
    }
    connect(button, &CButtonST::pressReleased, this, &CMyDlgBar::OnPressRelease);
    connect(button, &QToolButton::clicked, this, [this, id = c.id] { emit command(id); });
    return button;
}

void CMyDlgBar::OnPressRelease(int id, bool pressed) {
    if (pressed) {
        switch (id) {
        case kCmdFeedBack: Push(kCodeBack); break;
        case kCmdFeed: Push(kCodeFeed); break;
        case kCmdLeft: Push(kCodeLeft); break;
        case kCmdRight: Push(kCodeRight); break;
        default: break;
        }
    } else {
        // Any image button's release stops a jog, whatever the state, so a
        // missed release of a jog button cannot leave the machine moving.
        Push(kCodeStopJog);
    }
}

bool CMyDlgBar::HandleCommand(int id) {
    const int state = State();
    const int tool = ToolOf(id);
    if (tool >= 0) {
        SetTool(tool);
        return true;
    }
    switch (id) {
    case kCmdStart:
        Start();
        return true;
    case kCmdPause:
        if (state == kStateWorking) Push(kCodePause);
        return true;
    case kCmdStop:
        if (state == kStateWorking || state == kStatePaused) Push(kCodeStop);
        return true;
    case kCmdReset:
        if (state == kStateReady) Push(kCodeReset);
        return true;
    case kCmdTest:
        if (state == kStateReady) Push(kCodeHeadTest);
        return true;
    case kCmdCutOff:
        if (state == kStateReady) Push(kCodeCutOff);
        return true;
    case kCtlKnife:
    case kCtlKnife4:
    case kCtlFan:
    case kCtlFan4: {
        auto* box = qobject_cast<QCheckBox*>(widgets_.value(id));
        if (!box) return false;
        const bool knife = id == kCtlKnife || id == kCtlKnife4;
        // The box follows the click even when nothing can be sent: it is not
        // tied to the machine's real knife or fan.
        if (state == kStateReady)
            Push(knife ? (box->isChecked() ? kCodeKnifeDown : kCodeKnifeUp)
                       : (box->isChecked() ? kCodeFanOn : kCodeFanOff));
        return true;
    }
    case kCtlAutoStart:
    case kCtlAutoStart4: {
        auto* button = qobject_cast<QToolButton*>(widgets_.value(id));
        if (!button) return false;
        station_.settings.Edit([on = button->isChecked()](AppSettings& a) { a.AutoStart = on ? 1 : 0; });
        return true;
    }
    case kCmdLanguageStep:
        if (!IsFourHead(station_.edition())) return false;
        // Takes effect at the next start.
        station_.settings.Edit([](AppSettings& a) { a.Language = (a.Language + 1) % 5; });
        return true;
    default:
        return false;
    }
}

void CMyDlgBar::Start() {
    Station& s = station_;
    if (s.link.printThread.load()) {
        if (State() == kStatePaused) Push(kCodeResume);
        return;
    }
    if (State() != kStateReady) return;
    COnePage* job = s.jobs.CurrentJobAt(s.jobs.CurrentJobIndex);
    if (!job) return;
    if (job->curves.empty()) s.LoadDrawing(*job);
    if (job->curves.empty()) return;
    // A job is shown as printing only when its print really started: a
    // refused print has no driver to report its end.
    if (!s.StartPrint(*job)) return;
    job->jobState = kJobPrinting;
    emit redrawListRequested();
}

void CMyDlgBar::SetAutoStartChecked(bool on) {
    for (int id : {int(kCtlAutoStart), int(kCtlAutoStart4)})
        if (auto* button = qobject_cast<QToolButton*>(widgets_.value(id))) button->setChecked(on);
}

void CMyDlgBar::SetTool(int tool) {
    tool_ = tool;
    RefreshToolIcons();
    emit toolChanged(tool);
}

void CMyDlgBar::RefreshToolIcons() {
    for (int id : {int(kCmdToolMoveView), int(kCmdToolSelect), int(kCmdToolMoveLine), int(kCmdToolStartPoint),
                   int(kCmdToolText)})
        if (auto* button = qobject_cast<CButtonST*>(widgets_.value(id))) button->SetPushedLook(ToolOf(id) == tool_);
}

void CMyDlgBar::Push(int code) {
    // A full queue drops the code, as the machine link does everywhere.
    station_.link.queue.Push(static_cast<std::uint8_t>(code));
}

int CMyDlgBar::State() const { return station_.link.status.state.load(); }

int CMyDlgBar::Language() const { return station_.Language(); }

}  // namespace pv::ui
