#pragma once

#include "toolkit/PlainLabel.h"

// A part's value label. Its box is fixed by the drawing; a caption too wide for it is painted in
// a smaller size of the same font, down to 6 points, and one that is still too wide is painted
// shortened in the middle with "…", the whole caption then being its tooltip and accessible
// description. text() is always the whole caption.
class ValueLabel : public PlainLabel {
    Q_OBJECT
public:
    explicit ValueLabel(QWidget* parent = nullptr);

    void setCaption(const QString& caption);

    // What is painted: the font size and the text that fit the box.
    struct Fit {
        QFont font;
        QString text;
    };
    Fit fit() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The last fit and what it was found for: every paint asks again, mostly for the same.
    mutable QString mFittedText;
    mutable QFont mFittedFont;
    mutable int mFittedRoom = -1;
    mutable Fit mFit;
};
