// The list commands of the toolbar and the list's painted background.
#include "app/TForm1.h"

#include "doclist/DocumentListView.h"
#include "skin/TImage.h"

#include <QPainter>

namespace paginox {

void TForm1::SpeedButton3Click()
{
    ListView1->AddFiles();
}

void TForm1::SpeedButton4Click()
{
    ListView1->AddFolder();
}

void TForm1::SpeedButton20Click()
{
    ListView1->RemoveSelected();
}

void TForm1::SpeedButton5Click()
{
    ListView1->RemoveAll();
}

void TForm1::SpeedButton6Click()
{
    ListView1->InvertChecks();
}

// The small picture stretched over the area being repainted; the rows are then drawn
// over it without a background of their own.
void TForm1::ListView1CustomDraw(QPainter& canvas, const QRect& clipBox)
{
    canvas.drawImage(clipBox, ImageBk->Picture());
}

} // namespace paginox
