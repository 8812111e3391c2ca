#pragma once

#include <QWidget>
#include <memory>

class TPerformanceGraph;

namespace Ui {
class TGraff;
}

// The graph window: the recent history of U1 and U2, one graph above the
// other. It has no behaviour of its own; the polling feeds both graphs whether
// the window is shown or not, and the main window's "Graf" check box shows and
// hides it. Its title bar has no buttons, and a close only hides it, so the
// histories live as long as the program.
class TGraff : public QWidget
{
    Q_OBJECT

public:
    explicit TGraff(QWidget *parent = nullptr);
    ~TGraff() override;

    TPerformanceGraph *PerformanceGraph1() const;
    TPerformanceGraph *PerformanceGraph2() const;

signals:
    // The window was closed, by the check box or from its title bar.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::unique_ptr<Ui::TGraff> ui;
};
