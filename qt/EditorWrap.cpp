#include "qt/EditorWrap.h"

#include <QTextBlock>
#include <QTextDocument>

namespace qt {

namespace {

bool holdsLongParagraph(const QTextDocument& document, int from, int to) {
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to;
         block = block.next())
        if (block.length() > LongParagraph)
            return true;
    return false;
}

} // namespace

void wrapLongParagraphsAnywhere(QPlainTextEdit& editor) {
    QTextDocument& document = *editor.document();
    QObject::connect(&document, &QTextDocument::contentsChange, &editor,
                     [&editor, &document](int position, int, int added) {
                         // A whole new text starts at the beginning and covers the whole document.
                         const bool wholeText = position == 0 && added >= document.characterCount() - 1;
                         const bool anywhere = editor.wordWrapMode() == QTextOption::WrapAnywhere;
                         if (anywhere && !wholeText)
                             return;
                         const bool wanted = holdsLongParagraph(document, position, position + added);
                         if (wanted != anywhere)
                             editor.setWordWrapMode(wanted ? QTextOption::WrapAnywhere
                                                           : QTextOption::WrapAtWordBoundaryOrAnywhere);
                     });
}

} // namespace qt
