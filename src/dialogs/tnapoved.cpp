#include "dialogs/tnapoved.h"

#include "platform/messages.h"
#include "platform/textfile.h"
#include "ui_tnapoved.h"

namespace {

// The outer corner, frame included; a form's x and y never reach a window.
constexpr QPoint WindowPosition{518, 433};

const QString HelpFileName = QStringLiteral("HELP.dat");

} // namespace

Tnapoved::Tnapoved(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::Tnapoved>())
{
    ui->setupUi(this);
    setFixedSize(size());
    move(WindowPosition);
    connect(ui->Button1, &QPushButton::clicked, this, &Tnapoved::Button1Click);
    // A missing help file is reported while the program starts; the window
    // then keeps its layout text.
    reportingErrors([this] { FormCreate(); });
}

Tnapoved::~Tnapoved() = default;

void Tnapoved::FormCreate()
{
    ui->Memo1->setPlainText(readTextFile(HelpFileName, HelpFileLimit));
}

void Tnapoved::Button1Click()
{
    close();
}
