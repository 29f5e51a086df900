#include "output/TJPEGImage.h"

#include "output/JpegEncoder.h"
#include "output/OutputFile.h"

namespace paginox {

void TJPEGImage::TakePage(const TBitmap& page)
{
    FStream = {};
    FPage = page;
}

void TJPEGImage::WriteImageFile(const std::string& path)
{
    OutputFile file(path);
    if (FStream.empty() && !FPage.Empty())
        FStream = EncodeJpeg(FPage);
    file.Write(FStream);
    file.Close();
}

} // namespace paginox
