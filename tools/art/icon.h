// The application icon: the worm peeking out of its tunnel in a tile of brown earth under
// grass, written as SVG and rendered from that same SVG to PNG.
#pragma once

#include <QByteArray>
#include <QImage>

namespace sb::art {

inline constexpr int kIconSizes[] = {48, 64, 128, 256};

QByteArray IconSvg();

// The SVG rendered at size x size on transparency; a null image if the SVG does not parse.
QImage RenderIcon(const QByteArray& svg, int size);

}  // namespace sb::art
