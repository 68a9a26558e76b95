// What the dialogs' fixed-size forms share: their setup, centring, bringing to front and frame.
#pragma once

#include <QRect>
#include <QString>

#include <functional>
#include <initializer_list>

class QPainter;
class QWidget;

namespace dialogs {

// A window of fixed size without an owner: a caption and a close box, no minimise or maximise
// button. The client size is given in twips.
void setUpFixedForm(QWidget& form, const QString& caption, int widthTwips, int heightTwips);

// Puts the form in the middle of the screen it is on and brings it to the front.
void showCentred(QWidget& form);

// Brings a form that is already open to the front.
void bringToFront(QWidget& form);

// Runs the action when one of the keys is pressed anywhere in the form.
void onKeys(QWidget& form, std::initializer_list<Qt::Key> keys, const std::function<void()>& action);

// The rectangle of four lines round a form's boxes, corners given in twips, in the colour of an
// inactive window caption.
void paintFrameRectangle(QPainter& painter, QRect cornersInTwips);

} // namespace dialogs
