#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class Tnapoved;
}

// The help window: the text of "HELP.dat" from the working directory, read
// once when the window is made, in a read-only box that wraps long lines.
class Tnapoved : public QDialog
{
    Q_OBJECT

public:
    explicit Tnapoved(QWidget *parent = nullptr);
    ~Tnapoved() override;

private:
    void FormCreate();
    void Button1Click();

    std::unique_ptr<Ui::Tnapoved> ui;
};
