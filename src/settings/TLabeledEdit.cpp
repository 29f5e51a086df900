#include "settings/TLabeledEdit.h"

namespace paginox {

namespace {
constexpr int LabelSpacing = 3;
}

TLabeledEdit::TLabeledEdit(QWidget* parent) : QLineEdit(parent), FEditLabel(new QLabel(parent))
{
    // The buddy makes "&&" show as one "&" and "&x" a mnemonic that focuses the field.
    FEditLabel->setBuddy(this);
}

void TLabeledEdit::Place(int left, int top, int width, int height)
{
    setGeometry(left, top, width, height);
    PlaceLabel();
}

void TLabeledEdit::moveEvent(QMoveEvent* event)
{
    QLineEdit::moveEvent(event);
    PlaceLabel();
}

void TLabeledEdit::PlaceLabel()
{
    FEditLabel->adjustSize();
    FEditLabel->move(x(), y() - FEditLabel->height() - LabelSpacing);
}

} // namespace paginox
