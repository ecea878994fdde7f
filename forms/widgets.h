#pragma once

#include "forms/controls.h"

#include <QWidget>

// The widgets behind labels and images. Labels and images never take the focus
// and have transparent backgrounds, so the window's background picture shows
// through them.
namespace forms {

class LabelWidget final : public QWidget {
    Q_OBJECT

public:
    LabelWidget(QWidget* parent, Align align);

    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption);

    void setTopicLayout(std::vector<TopicItem> items, int linePitch);
    const std::vector<TopicLine>& topicLines() const;
    int linePitch() const { return m_linePitch; }

Q_SIGNALS:
    void clicked();
    void mouseDown(forms::MouseEvent event);
    void mouseUp(forms::MouseEvent event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    MouseEvent mouseEvent(const QMouseEvent* event, Qt::MouseButton button) const;

    QString m_caption;
    Align m_align;
    std::vector<TopicItem> m_topicItems;
    mutable std::vector<TopicLine> m_topicLines;
    mutable bool m_topicLaidOut = false;
    int m_linePitch = 0;
    bool m_pressed = false;
};

class ImageWidget final : public QWidget {
public:
    explicit ImageWidget(QWidget* parent);

    const Picture& picture() const { return m_picture; }
    void setPicture(Picture picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture m_picture;
};

} // namespace forms
