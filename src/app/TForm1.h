#pragma once

#include "conversion/OutputFormat.h"
#include "conversion/RunView.h"

#include <QRect>
#include <QWidget>

#include <memory>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QPainter;
class QProgressBar;
class QToolButton;

namespace paginox {

class Converter;
class Dialogs;
class DocumentListView;
class RegionalSettings;
class ServerRegistry;
class Shell;
class TForm2;
class TImage;
class TImgBtn;
class WindowDrag;
struct PageHolders;

// The main window: drawn frame, toolbar, document list, progress bar and status line.
// It owns the page holders and the conversion run, and is the run's view.
class TForm1 final : public QWidget, public RunView {
    Q_OBJECT
public:
    TForm1(Dialogs& dialogs, Shell& shell, const RegionalSettings& regional, ServerRegistry& servers);
    ~TForm1() override;

    // The settings dialog, created after this window; the run reads its texts.
    void SetForm2(TForm2& form2);

    // Toolbar and menu handlers.
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton20Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton10Click();
    void SpeedButton11Click();
    void SpeedButton2Click();
    void SpeedButton1Click();
    void SpeedButton13Click();
    void SpeedButton14Click();
    void tojpg1Click();
    void to1Click();
    void tobmp1Click();

    // Frame handlers.
    void Image1MouseDown(QMouseEvent* event);
    void Image1DblClick();
    void ImgBtnMinClick();
    void ImgBtnMaxClick();
    void ImgBtnCloseClick();
    void FormResize();

    // Draws the list's background picture under its rows.
    void ListView1CustomDraw(QPainter& canvas, const QRect& clipBox);

    bool Maximized() const { return FWindowState == WindowState::Maximized; }
    Converter* Run() const { return FConverter.get(); }
    // The folder Help looks in for the help file; the executable's own by default.
    void SetProgramFolder(std::string folder) { FProgramFolder = std::move(folder); }
    std::string HelpFilePath() const;
    static const char* const HomePage;

    // RunView
    void RepaintWindow() override;
    void ProcessMessages() override;
    void SetStatus(const std::string& text) override;
    void ShowProgress(bool visible) override;
    void SetProgress(int maximum, int position) override;
    void ShowMessage(const std::string& text, const std::string& title) override;
    void OpenFolder(const std::string& folder) override;

    // Components, by their design names.
    TImage* Image1;
    TImgBtn* ImgBtnMin;
    TImgBtn* ImgBtnMax;
    TImgBtn* ImgBtnClose;
    TImage* Image9;
    TImage* Image10;
    TImage* Image2;
    QLabel* Label1;
    QWidget* Panel1;
    TImage* Image3;
    TImage* Image4;
    QWidget* Panel2;
    DocumentListView* ListView1;
    QProgressBar* ProgressBar1;
    QWidget* PanelImage;
    TImage* ImageM;
    TImage* ImageTop;
    TImage* ImageBk;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    QToolButton* SpeedButton20;
    QToolButton* SpeedButton5;
    QToolButton* SpeedButton6;
    QToolButton* SpeedButton18;
    QToolButton* SpeedButton10;
    QToolButton* SpeedButton11;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton17;
    QToolButton* SpeedButton13;
    QToolButton* SpeedButton14;
    QMenu* PopupMenu2;
    QAction* ojpg1;
    QAction* to1;
    QAction* tobmp1;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class WindowState { Normal, Maximized };

    void CreateControls();
    void CreateFrame();
    void CreateToolbar();
    void CreateFormatMenu();
    void CreateList(Dialogs& dialogs, Shell& shell, const RegionalSettings& regional);
    void AlignControls();
    void AlignListArea();
    void FormCreate();
    void FormDestroy();
    void PlaceStatusLabel();
    void PlaceCaptionButtons(int maxTop);
    void StartRun(OutputFormat format);
    void SetWindowState(WindowState state);
    int MaximizedHeight() const;
    // Connects a handler so that an error leaving it reaches the error box.
    template <typename Signal, typename Sender>
    void Handle(Sender* sender, Signal signal, void (TForm1::*handler)());

    Dialogs& FDialogs;
    Shell& FShell;
    ServerRegistry& FServers;
    TForm2* FForm2 = nullptr;
    std::unique_ptr<PageHolders> FHolders;
    std::unique_ptr<Converter> FConverter;
    WindowDrag* FDrag = nullptr;
    WindowState FWindowState = WindowState::Normal;
    QRect FNormalGeometry;
    QSize FLaidOutSize;
    bool FCreated = false;
    std::string FProgramFolder;
};

} // namespace paginox
