// The main window's resistor series look-up list.
#include "app/tt_zunov.h"
#include "measure/resistorseries.h"
#include "platform/messages.h"
#include "ui_tt_zunov.h"

#include <QApplication>

void TT_ZUNOV::ListBox1Click()
{
    // The current row is not enough: focus entering the list makes its first
    // row current without selecting it.
    const QList<QListWidgetItem *> selected = ui->ListBox1->selectedItems();
    if (selected.isEmpty())
        return;
    const int index = ui->ListBox1->row(selected.first());
    // A file that cannot be read is reported, and the list keeps what it had.
    reportingErrors([&] {
        const QStringList values = loadSeries(index);
        ui->ListBox2->clear();
        ui->ListBox2->addItems(values);
    });
}

void TT_ZUNOV::seriesSelectionChanged()
{
    // A mouse click loads on release (itemClicked), also when the same series
    // is picked again; keys that select a series load it at once.
    if (QApplication::mouseButtons() == Qt::NoButton)
        ListBox1Click();
}
