#pragma once

#include "wordcloud/TzqCloudDocument.h"
#include "wordcloud/TzqCloudEngine.h"
#include "wordcloud/TzqWord.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QRect>

namespace TestDocuments {

// A document written by hand from the format documentation: a 400 x 300
// window, six words in boxes a host guessed, a palette, no shadow.
inline QByteArray handWritten()
{
    return QByteArray(R"XML(<?xml version="1.0" encoding="UTF-8"?>
<WordCloud version="1.0">
	<BackgroundColor>16777215</BackgroundColor>
	<Coverage>0.6</Coverage>
	<Shadow>false</Shadow>
	<Palette>7</Palette>
	<Font>Arial,1,0,10,1</Font>
	<StartingBounds>10;10;390;290</StartingBounds>
	<Words>
		<Word>
			<Text>survey</Text>
			<TextColor>0</TextColor>
			<Weight>120</Weight>
			<FontSize>36</FontSize>
			<StartingBounds>125;120;275;162</StartingBounds>
		</Word>
		<Word>
			<Text>delivery</Text>
			<TextColor>0</TextColor>
			<Weight>64</Weight>
			<FontSize>20</FontSize>
			<StartingBounds>40;50;152;78</StartingBounds>
		</Word>
		<Word>
			<Text>café</Text>
			<TextColor>0</TextColor>
			<Weight>50</Weight>
			<FontSize>18</FontSize>
			<StartingBounds>240;60;306;88</StartingBounds>
		</Word>
		<Word>
			<Text>service</Text>
			<TextColor>0</TextColor>
			<Weight>41</Weight>
			<FontSize>16</FontSize>
			<StartingBounds>50;190;130;214</StartingBounds>
		</Word>
		<Word>
			<Text>R&amp;D</Text>
			<TextColor>0</TextColor>
			<Weight>30</Weight>
			<FontSize>14</FontSize>
			<StartingBounds>260;200;320;222</StartingBounds>
		</Word>
		<Word>
			<Text>staff</Text>
			<TextColor>0</TextColor>
			<Weight>22</Weight>
			<FontSize>12</FontSize>
			<StartingBounds>170;235;216;255</StartingBounds>
		</Word>
	</Words>
</WordCloud>
)XML");
}

// The shown box as a rectangle of pixels (a box covers Left to Right - 1).
inline QRect pixels(const TzqRect &r)
{
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

// Bounding rectangle of the pixels inside area that differ from background.
inline QRect inkIn(const QImage &image, const QRect &area, QRgb background)
{
    QRect ink;
    const QRect a = area.intersected(image.rect());
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x <= a.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// The four numbers of a "\t\t<StartingBounds>l;t;r;b</StartingBounds>" line.
inline QList<int> boxOfLine(const QByteArray &line)
{
    const int from = line.indexOf('>') + 1;
    const int to = line.indexOf('<', from);
    QList<int> box;
    for (const QByteArray &item : line.mid(from, to - from).split(';'))
        box << item.toInt();
    return box;
}

inline bool load(TzqCloudEngine &cloud, const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return cloud.LoadFromStream(buffer);
}

inline QByteArray save(const TzqCloudEngine &cloud)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    cloud.SaveToStream(buffer);
    return buffer.data();
}

} // namespace TestDocuments
