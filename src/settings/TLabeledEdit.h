#pragma once

#include <QLabel>
#include <QLineEdit>

namespace paginox {

// An edit field with its label 3 pixels above it; the label moves with the field.
class TLabeledEdit final : public QLineEdit {
    Q_OBJECT
public:
    explicit TLabeledEdit(QWidget* parent);

    QLabel* EditLabel() const { return FEditLabel; }
    // Places the field (client coordinates of the parent) and its label above it.
    void Place(int left, int top, int width, int height);

protected:
    void moveEvent(QMoveEvent* event) override;

private:
    void PlaceLabel();

    QLabel* FEditLabel;
};

} // namespace paginox
