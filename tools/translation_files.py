"""The translations, translations/quendal_LANG.ts, as the tools that write their words
into other files read them."""
import re
import xml.etree.ElementTree as tree

# The programs' own texts; the menu entry's and the Windows README's stand apart.
OUTSIDE_THE_PROGRAM = ("Entry", "Readme")


def QT_TRANSLATE_NOOP(context, text):
    """Marks a text for Qt's lupdate, which reads the tools as it reads the sources."""
    return text


def language(path):
    """The language a translation is for, as its file is named: "de", "pt_BR"."""
    return re.search(r"quendal_(\w+)\.ts$", path).group(1)


def messages(path):
    """(context, English, translation) for each text of a translation; the translation is
    None where it is unfinished or empty."""
    for context in tree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            done = translation is not None and not translation.get("type") and translation.text
            yield name, message.findtext("source") or "", translation.text if done else None


def words(path, context):
    """{English: translation} of one context, its translated texts only."""
    return {english: translated for name, english, translated in messages(path)
            if name == context and translated}
