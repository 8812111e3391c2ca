#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TfrmOProgramu;
}

// The About window: name, version and where to find the authors.
class TfrmOProgramu : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmOProgramu(QWidget *parent = nullptr);
    ~TfrmOProgramu() override;

private:
    void Button1Click();

    std::unique_ptr<Ui::TfrmOProgramu> ui;
};
