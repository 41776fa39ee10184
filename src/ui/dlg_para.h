#pragma once
// The parameter dialog "参数设置": the settings and machine parameter pages
// behind one tab control — six in the two-head edition, seven in the
// four-head one (separate inkjet and cut pages).  Each page loads its own
// copy when the dialog opens; "确定" applies only the page it sits on and
// closes, "取消" closes without applying.
#include <QDialog>
#include <QString>
#include <vector>

#include "jobs/station.h"

class QTabWidget;

namespace pv::ui {

class ParaPage;

class CDlgPara : public QDialog {
    Q_OBJECT
public:
    enum class Page { User, Machine, Cut, Directory, Size, Misc, Advanced };

    explicit CDlgPara(Station& station, QWidget* parent = nullptr);

    // The pages in tab order.
    static std::vector<Page> PagesOf(Edition e);
    // The tab label of a page in a language (0 Chinese, 3 Ukrainian,
    // 4 Russian, 5 Vietnamese, English for the others).
    static QString TabLabel(Page page, Edition e, int language);

    QTabWidget* tabs() const { return tabs_; }
    int PageCount() const;
    ParaPage* PageAt(int tab) const;
    // The page of a kind, cast to its class (null when absent).
    template <class T>
    T* Find() const {
        for (int i = 0; i < PageCount(); ++i)
            if (auto* p = dynamic_cast<T*>(PageAt(i))) return p;
        return nullptr;
    }

private:
    QTabWidget* tabs_;
};

}  // namespace pv::ui
