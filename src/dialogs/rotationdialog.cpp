#include "dialogs/rotationdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Translated where they are shown: the translation is chosen after start-up.
const char *const Caption = QT_TRANSLATE_NOOP("RotationDialog", "Rozdělení záznamu");
const char *const KindLabel = QT_TRANSLATE_NOOP("RotationDialog", "Nový soubor:");
const char *const SizeLabel = QT_TRANSLATE_NOOP("RotationDialog", "Velikost souboru:");
// In the order of RotationKind.
const char *const KindTexts[] = {
    QT_TRANSLATE_NOOP("RotationDialog", "nikdy, jeden soubor"),
    QT_TRANSLATE_NOOP("RotationDialog", "po dosažení velikosti"),
    QT_TRANSLATE_NOOP("RotationDialog", "každý den o půlnoci"),
};
const char *const SizeHint =
    QT_TRANSLATE_NOOP("RotationDialog", "v bajtech, s příponou K, M nebo G, např. 100M");

// What the size field offers before anything was chosen: a file that a
// spreadsheet still opens at once.
const QString DefaultSize = QStringLiteral("100M");

RotationAnswerer &currentAnswerer()
{
    static RotationAnswerer answerer;
    return answerer;
}

} // namespace

RotationDialog::RotationDialog(const RecordingRotation &offered, QWidget *parent)
    : QDialog(parent)
    , m_kind(new QComboBox(this))
    , m_size(new QLineEdit(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("RotationDialog"));
    setWindowTitle(tr(Caption));
    m_kind->setObjectName(QStringLiteral("Kind"));
    m_size->setObjectName(QStringLiteral("Size"));
    for (const char *text : KindTexts)
        m_kind->addItem(tr(text));
    m_kind->setCurrentIndex(int(offered.kind));
    m_size->setText(offered.kind == RotationKind::Size ? rotationText(offered) : DefaultSize);
    m_size->setToolTip(tr(SizeHint));
    m_size->setPlaceholderText(tr(SizeHint));

    auto *layout = new QFormLayout(this);
    layout->addRow(tr(KindLabel), m_kind);
    layout->addRow(tr(SizeLabel), m_size);
    layout->addRow(m_buttons);

    connect(m_kind, &QComboBox::currentIndexChanged, this, &RotationDialog::showChoice);
    connect(m_size, &QLineEdit::textChanged, this, &RotationDialog::showChoice);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showChoice();
}

std::optional<RecordingRotation> RotationDialog::choice() const
{
    switch (RotationKind(m_kind->currentIndex())) {
    case RotationKind::None:
        return RecordingRotation{};
    case RotationKind::Daily:
        return RecordingRotation{RotationKind::Daily, 0};
    case RotationKind::Size: {
        const std::optional<RecordingRotation> typed = parseRotation(m_size->text().trimmed());
        if (typed && typed->kind == RotationKind::Size)
            return typed;
        return std::nullopt;
    }
    }
    return std::nullopt;
}

void RotationDialog::showChoice()
{
    m_size->setEnabled(RotationKind(m_kind->currentIndex()) == RotationKind::Size);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(choice().has_value());
}

std::optional<RecordingRotation> askRecordingRotation(const RecordingRotation &offered,
                                                      QWidget *parent)
{
    if (const RotationAnswerer &answerer = currentAnswerer())
        return answerer(offered);
    RotationDialog dialog(offered, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

RotationAnswerer setRotationAnswerer(RotationAnswerer answerer)
{
    RotationAnswerer previous = std::move(currentAnswerer());
    currentAnswerer() = std::move(answerer);
    return previous;
}
