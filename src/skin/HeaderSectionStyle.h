#pragma once

class QHeaderView;

namespace paginox {

// Header sections drawn the classic way: a flat button-face fill with raised edges,
// so that the face is exactly the button-face colour and can be recoloured.
void UseFlatHeaderSections(QHeaderView& header);

} // namespace paginox
