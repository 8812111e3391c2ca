#include "dialogs/tnapoved.h"

#include "platform/fixedwindow.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "ui_tnapoved.h"

#include <QFileInfo>

namespace {

// The outer corner, frame included; a form's x and y never reach a window.
constexpr QPoint WindowPosition{518, 433};

// The help file in the working folder; each translation names its own, so
// that the help speaks the language of the windows.
const char *const HelpFileName = QT_TRANSLATE_NOOP("Tnapoved", "HELP.dat");

} // namespace

Tnapoved::Tnapoved(QWidget *parent)
    : QDialog(parent, Qt::Dialog | FixedWindowFlags)
    , ui(std::make_unique<Ui::Tnapoved>())
{
    ui->setupUi(this);
    fixWindow(*this, WindowPosition, EscapeKey::LeftAlone);
    connect(ui->Button1, &QPushButton::clicked, this, &Tnapoved::Button1Click);
    // A missing help file is reported while the program starts; the window
    // then keeps its layout text.
    reportingErrors([this] { FormCreate(); });
}

Tnapoved::~Tnapoved() = default;

void Tnapoved::FormCreate()
{
    // A working folder filled before the translation came has only the
    // Czech help; that is better than none.
    const QString translated = tr(HelpFileName);
    const QString czech = QString::fromUtf8(HelpFileName);
    const QString path = QFileInfo::exists(translated) ? translated : czech;
    ui->Memo1->setPlainText(readTextFile(path, HelpFileLimit));
}

void Tnapoved::Button1Click()
{
    close();
}
