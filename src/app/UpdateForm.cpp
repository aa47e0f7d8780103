#include "app/UpdateForm.h"

TUpdateForm::TUpdateForm(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("UpdateForm"));
    setWindowTitle(QStringLiteral("Quarvel update"));
    resize(360, 120);
}
