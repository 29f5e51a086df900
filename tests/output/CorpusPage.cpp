#include "CorpusPage.h"

#include "graphics/PdfDocument.h"
#include "platform/files/TemporaryFolder.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <stdexcept>

namespace paginox::testing {

namespace {

namespace fs = std::filesystem;

std::string Quoted(const std::string& text)
{
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::shared_ptr<const PdfDocument> ConvertToPdf(const std::string& document)
{
    static const TemporaryFolder scratch("paginox-corpus-");
    const fs::path source = fs::path(PAGINOX_CORPUS_DIR) / document;
    const fs::path pdf = scratch.Entry(fs::path(document).replace_extension(".pdf").string());
    const std::string command = "/usr/lib/libreoffice/program/soffice.bin -env:UserInstallation=file://" +
                                scratch.Entry("profile") +
                                " --headless --invisible --nologo --nodefault --norestore --nolockcheck"
                                " --convert-to pdf --outdir " +
                                Quoted(scratch.Path()) + " " + Quoted(source.string()) + " >/dev/null 2>&1";
    // A first start with a fresh profile may end early (status 81): start again.
    for (int attempt = 0; attempt < 3 && !fs::exists(pdf); ++attempt)
        (void)std::system(command.c_str());
    std::ifstream in(pdf, std::ios::binary);
    if (!in)
        throw std::runtime_error("LibreOffice made no PDF of " + document);
    return PdfDocument::Load(std::vector<char>(std::istreambuf_iterator<char>(in), {}));
}

} // namespace

TBitmap ComposedCorpusPage(const std::string& document, int pageIndex)
{
    static std::map<std::string, std::shared_ptr<const PdfDocument>> documents;
    auto& pdf = documents[document];
    if (!pdf)
        pdf = ConvertToPdf(document);

    constexpr int Margin = 72;
    const PageSize size = pdf->SizeOfPage(pageIndex);
    const int width = static_cast<int>(std::lround(size.width));
    const int height = static_cast<int>(std::lround(size.height));
    TBitmap scaled(PixelFormat::Bits24);
    scaled.SetSize(width, height);
    pdf->DrawPage(pageIndex, scaled, width, height);

    TBitmap composed;
    composed.SetSize(width + 2 * Margin, height + 2 * Margin);
    composed.Draw(Margin, Margin, scaled);
    return composed;
}

} // namespace paginox::testing
