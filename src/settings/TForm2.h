#pragma once

#include "conversion/ConversionSettings.h"

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;
class QToolButton;

namespace paginox {

class Dialogs;
class RegionalSettings;
class Shell;
class TLabeledEdit;

// The "Setting" dialog: the scale percentage and the output folder, held only as the
// texts of its two fields. Show it with exec(); its result is not used.
class TForm2 final : public QDialog, public ConversionSettings {
    Q_OBJECT
public:
    TForm2(Dialogs& dialogs, Shell& shell, const RegionalSettings& regional,
           QWidget* parent = nullptr);

    std::string ScaleText() const override;    // LabeledEdit1's text
    std::string OutputFolder() const override; // LabeledEdit2's text

    // The handlers, callable as the buttons call them. Button1Click raises
    // EConvertError for a scale text that is not a number; the button's own click
    // shows it in the error box.
    void SpeedButton1Click();
    void Button1Click();
    void Button2Click();

    static std::string DefaultScale();        // "100"
    static std::string DefaultOutputFolder(); // "Output" in the user's home folder

    QLabel* Image1;
    TLabeledEdit* LabeledEdit1;
    QLabel* Label1;
    TLabeledEdit* LabeledEdit2;
    QToolButton* SpeedButton1;
    QPushButton* Button1;
    QPushButton* Button2;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();

    Dialogs& FDialogs;
    Shell& FShell;
    const RegionalSettings& FRegional;
};

} // namespace paginox
