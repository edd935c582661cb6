<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>CategoryTabs</name>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Duplicate category name!</source>
        <translation>같은 이름의 카테고리가 이미 있습니다!</translation>
    </message>
    <message numerus="yes">
        <source>Category gone: %n notes in Default</source>
        <translation>
            <numerusform>카테고리 없음: %n개를 Default로</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the category [%1]</source>
        <translation>카테고리 [%1]을(를) 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Category gone: not renamed</source>
        <translation>카테고리 없음: 이름 바꾸지 않음</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1; try &apos;quibbet --help&apos;</source>
        <translation>%1; &apos;quibbet --help&apos;를 참고하세요</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos;에는 값이 필요합니다</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>알 수 없는 인수 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: quibbet [--toggle | --help | --version] [toolkit options]
A small notes keeper. Quibbet keeps its notes in the file clipdata.dat in the folder it
starts in; started from the desktop&apos;s menu, that is your home folder. One Quibbet runs
for each notes file: starting it again in the same folder brings that one to the front.

  --toggle   show or hide the Quibbet running on this desktop for the notes file of
             this folder, as F9 does; start it when none is running
  --help     show this help and exit
  --version  show the version and exit

The toolkit&apos;s standard options (-platform NAME, -display DISPLAY, -style NAME,
-reverse, -session NAME and the like) are passed on to it.
</source>
        <translation>사용법: quibbet [--toggle | --help | --version] [툴킷 옵션]
작은 메모 프로그램입니다. Quibbet은 시작한 폴더의 clipdata.dat 파일에 메모를
보관합니다. 데스크톱 메뉴에서 시작하면 홈 폴더입니다. 메모 파일마다 Quibbet은
하나만 실행됩니다. 같은 폴더에서 다시 시작하면 실행 중인 것이 앞으로 나옵니다.

  --toggle   이 폴더의 메모 파일로 이 데스크톱에서 실행 중인 Quibbet을 F9처럼
             표시하거나 숨깁니다. 실행 중인 것이 없으면 시작합니다
  --help     이 도움말을 표시하고 끝냅니다
  --version  버전을 표시하고 끝냅니다

툴킷의 표준 옵션(-platform NAME, -display DISPLAY, -style NAME,
-reverse, -session NAME 등)은 그대로 툴킷에 전달됩니다.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; follows the text to add: put a text of several words in quotes</source>
        <translation>&apos;%1&apos;이(가) 추가할 텍스트 뒤에 있습니다: 여러 단어로 된 텍스트는 따옴표로 묶으세요</translation>
    </message>
    <message>
        <source>argument %1 is not text in the encoding of the locale: nothing was changed</source>
        <translation>인수 %1은(는) 로캘 인코딩의 텍스트가 아닙니다: 아무것도 변경되지 않았습니다</translation>
    </message>
    <message>
        <source>Note commands, for scripts and launchers:
       quibbet --add [TEXT | -] [--category NAME]
       quibbet --list [--category NAME]
       quibbet --search TEXT
       quibbet --export FILE [--category NAME] [--force]
       quibbet --import SOURCE
They work on clipdata.dat in the current folder, need no display and start no window;
a Quibbet running on the file shows the change at once.

  --add TEXT       store TEXT as a new note; without TEXT, or with -, the note is
                   standard input to its end, less one last line end. A text that
                   begins with -- goes as --add=TEXT. Makes clipdata.dat when there is none
  --list           print the notes of a category, newest first, one a line: the
                   creation time, a tab, and the text with \ written as \\, a line
                   end as \n, a carriage return as \r and a tab as \t
  --search TEXT    print, as --list does, the notes of every category that hold TEXT,
                   in any case of letters; % and _ in TEXT stand for any text and any
                   one character, as in the Search command
  --export FILE    write the notes of a category to FILE as the Export command does;
                   a FILE that exists is replaced only with --force
  --import SOURCE  bring in the notes of another notes program: xpad, gnote, tomboy,
                   tomboy-ng or knotes, or the file or folder they are in
  --category NAME  the category to add to, list or export; Default when not given.
                   --add makes a category that does not exist yet; Search takes no notes
  --force          let --export replace FILE

Exit status: 0 done; 1 nothing matched, or the notes file could not be read or written
(nothing was changed); 2 bad arguments or input (nothing was changed).
</source>
        <translation>메모 명령(스크립트와 런처용):
       quibbet --add [TEXT | -] [--category NAME]
       quibbet --list [--category NAME]
       quibbet --search TEXT
       quibbet --export FILE [--category NAME] [--force]
       quibbet --import SOURCE
현재 폴더의 clipdata.dat 파일을 사용하며, 디스플레이가 필요 없고 창을 열지
않습니다. 이 파일로 실행 중인 Quibbet에는 변경 사항이 바로 나타납니다.

  --add TEXT       TEXT를 새 메모로 저장합니다. TEXT가 없거나 -이면 표준 입력을
                   끝까지 읽고 마지막 줄바꿈을 뺍니다. --로 시작하는 TEXT는
                   --add=TEXT로 씁니다. clipdata.dat 파일이 없으면 만듭니다
  --list           카테고리의 메모를 최신순으로 한 줄에 하나씩 출력합니다:
                   작성 시각, 탭, 텍스트. 텍스트의 \는 \\, 줄바꿈은 \n,
                   캐리지 리턴은 \r, 탭은 \t로 씁니다
  --search TEXT    모든 카테고리에서 TEXT가 들어 있는 메모를 --list처럼
                   출력합니다. 대소문자를 구분하지 않으며, TEXT의 %와 _는 각각
                   임의의 텍스트와 임의의 한 글자를 뜻합니다(검색 명령과 같음)
  --export FILE    카테고리의 메모를 내보내기 명령처럼 FILE에 씁니다.
                   FILE이 이미 있으면 --force를 줄 때만 바꿉니다
  --import SOURCE  다른 메모 프로그램의 메모를 가져옵니다: xpad, gnote, tomboy,
                   tomboy-ng, knotes 또는 그 메모가 있는 파일이나 폴더
  --category NAME  메모를 추가하거나 출력하거나 내보낼 카테고리. 없으면 Default.
                   --add는 없는 카테고리를 만듭니다. Search에는 넣을 수 없습니다
  --force          --export가 FILE을 바꿀 수 있게 합니다

종료 상태: 0 성공, 1 일치하는 것이 없거나 메모 파일을 읽거나 쓸 수 없음
(아무것도 변경되지 않음), 2 잘못된 인수나 입력(아무것도 변경되지 않음).
</translation>
    </message>
</context>
<context>
    <name>ConflictMerge</name>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>메모 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>카테고리 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>미리 알림 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 merged from another machine</source>
        <translation>다른 PC에서 %1 병합함</translation>
    </message>
    <message>
        <source>Merged: %1</source>
        <translation>병합함: %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a notes file of Quibbet. It has not been changed. Start Quibbet in another folder, or move the file away to begin a new one.</source>
        <translation>%1은(는) Quibbet 메모 파일이 아닙니다. 파일은 변경되지 않았습니다. 다른 폴더에서 Quibbet을 시작하거나, 파일을 다른 곳으로 옮기고 새 메모 파일을 시작하세요.</translation>
    </message>
</context>
<context>
    <name>DeleteHistory</name>
    <message>
        <source>Undo delete</source>
        <translation>삭제 취소</translation>
    </message>
    <message>
        <source>Recently deleted...</source>
        <translation>최근 삭제한 항목...</translation>
    </message>
    <message>
        <source>Restored as %1</source>
        <translation>%1(으)로 복원함</translation>
    </message>
    <message>
        <source>(a category)</source>
        <translation>(카테고리)</translation>
    </message>
    <message>
        <source>Undo import</source>
        <translation>가져오기 취소</translation>
    </message>
    <message numerus="yes">
        <source>Import undone: %n notes</source>
        <translation>
            <numerusform>가져오기 취소함: 메모 %n개</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY와 WAYLAND_DISPLAY가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos; does not answer</source>
        <translation>X 디스플레이 &apos;%1&apos;이(가) 응답하지 않습니다</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set</source>
        <translation>XDG_RUNTIME_DIR이(가) 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at %1</source>
        <translation>%1에서 응답하는 Wayland 컴포지터가 없습니다</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and no display was found (%1)</source>
        <translation>Quibbet에는 그래픽 데스크톱이 필요하지만 디스플레이를 찾지 못했습니다(%1)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>; try %1</source>
        <translation>; %1을(를) 시도해 보세요</translation>
    </message>
    <message>
        <source> or </source>
        <translation> 또는 </translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos;</source>
        <translation>X 디스플레이 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the Wayland display at %1</source>
        <translation>%1의 Wayland 디스플레이</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and %1 did not let it open its window</source>
        <translation>Quibbet에는 그래픽 데스크톱이 필요하지만 %1에서 창을 열 수 없었습니다</translation>
    </message>
</context>
<context>
    <name>ImportNotes</name>
    <message>
        <source>Text files</source>
        <translation>텍스트 파일</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>standard input could not be read: nothing was stored</source>
        <translation>표준 입력을 읽을 수 없습니다: 아무것도 저장되지 않았습니다</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte, which a note cannot keep: nothing was stored</source>
        <translation>표준 입력에 메모에 담을 수 없는 NUL 바이트가 있습니다: 아무것도 저장되지 않았습니다</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text: nothing was stored</source>
        <translation>표준 입력이 UTF-8 텍스트가 아닙니다: 아무것도 저장되지 않았습니다</translation>
    </message>
    <message>
        <source>standard input holds no text: nothing was stored</source>
        <translation>표준 입력에 텍스트가 없습니다: 아무것도 저장되지 않았습니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds the results of a search and takes no notes</source>
        <translation>&apos;%1&apos;에는 검색 결과가 들어 있어 메모를 넣을 수 없습니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no category to add a note to: the Search tab holds the results of a search, and *New makes categories</source>
        <translation>&apos;%1&apos;은(는) 메모를 추가할 수 있는 카테고리가 아닙니다: Search 탭에는 검색 결과가 들어 있고, *New는 카테고리를 만듭니다</translation>
    </message>
    <message>
        <source>a category name has at most %1 characters: &apos;%2&apos; has %3</source>
        <translation>카테고리 이름은 최대 %1자입니다: &apos;%2&apos;은(는) %3자입니다</translation>
    </message>
    <message>
        <source>a category name cannot hold a line end or another control character</source>
        <translation>카테고리 이름에는 줄바꿈이나 다른 제어 문자를 넣을 수 없습니다</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>출력을 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>there is no notes file %1</source>
        <translation>메모 파일 %1이(가) 없습니다</translation>
    </message>
    <message>
        <source>there is no category &apos;%1&apos; in %2</source>
        <translation>%2에 카테고리 &apos;%1&apos;이(가) 없습니다</translation>
    </message>
    <message>
        <source>%1 is the notes file itself: nothing was written</source>
        <translation>%1은(는) 메모 파일 자체입니다: 아무것도 쓰지 않았습니다</translation>
    </message>
    <message>
        <source>%1 exists: nothing was written; add --force to replace it</source>
        <translation>%1이(가) 이미 있습니다: 아무것도 쓰지 않았습니다; 바꾸려면 --force를 추가하세요</translation>
    </message>
</context>
<context>
    <name>NoteEditing</name>
    <message>
        <source>Press &apos;Ctrl + Enter&apos; to apply changes</source>
        <translation>&apos;Ctrl + Enter&apos;로 변경 사항 적용</translation>
    </message>
    <message>
        <source>Category gone: saved in Default</source>
        <translation>카테고리 없음: Default에 저장함</translation>
    </message>
    <message>
        <source>Saved as a new note in Default</source>
        <translation>Default에 새 메모로 저장함</translation>
    </message>
    <message>
        <source>Changed elsewhere: saved as new</source>
        <translation>외부에서 변경됨: 새 메모로 저장</translation>
    </message>
    <message>
        <source>Changed elsewhere: new in Default</source>
        <translation>외부 변경: Default에 새로 저장</translation>
    </message>
    <message>
        <source>Saved as a new note</source>
        <translation>새 메모로 저장함</translation>
    </message>
    <message>
        <source>(mode:Edit)</source>
        <translation>(편집)</translation>
    </message>
    <message>
        <source>(mode:Browse)</source>
        <translation>(보기)</translation>
    </message>
    <message>
        <source>Not applied: Edit mode resumes</source>
        <translation>적용 안 됨: 계속 편집</translation>
    </message>
    <message>
        <source>Created : %1</source>
        <translation>작성: %1</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>%1 파일을 만들 수 없습니다</translation>
    </message>
    <message>
        <source>*.txt  (Text files) (*.txt)</source>
        <translation>텍스트 파일 (*.txt)</translation>
    </message>
</context>
<context>
    <name>NoteListView</name>
    <message>
        <source>Created : %1</source>
        <translation>작성: %1</translation>
    </message>
</context>
<context>
    <name>NoteOptions</name>
    <message>
        <source>&apos;%1&apos; takes no value</source>
        <translation>&apos;%1&apos;은(는) 값을 받지 않습니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is given twice</source>
        <translation>&apos;%1&apos;이(가) 두 번 지정되었습니다</translation>
    </message>
    <message>
        <source>there is no text to add</source>
        <translation>추가할 텍스트가 없습니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos;에는 값이 필요합니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a category</source>
        <translation>&apos;%1&apos;에는 카테고리 이름이 필요합니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a file</source>
        <translation>&apos;%1&apos;에는 파일 이름이 필요합니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot go with &apos;%2&apos;: give one command at a time</source>
        <translation>&apos;%1&apos;은(는) &apos;%2&apos;와(과) 함께 쓸 수 없습니다: 명령은 한 번에 하나만 지정하세요</translation>
    </message>
    <message>
        <source>&apos;--toggle&apos; cannot go with &apos;%1&apos;: give one command at a time</source>
        <translation>&apos;--toggle&apos;은 &apos;%1&apos;와(과) 함께 쓸 수 없습니다: 명령은 한 번에 하나만 지정하세요</translation>
    </message>
    <message>
        <source>&apos;--category&apos; goes with --add, --list or --export</source>
        <translation>&apos;--category&apos;는 --add, --list, --export 중 하나와 함께 써야 합니다</translation>
    </message>
    <message>
        <source>&apos;--force&apos; goes with --export</source>
        <translation>&apos;--force&apos;는 --export와 함께 써야 합니다</translation>
    </message>
</context>
<context>
    <name>NotePrint</name>
    <message>
        <source>Quibbet note</source>
        <translation>Quibbet 메모</translation>
    </message>
    <message>
        <source>The printer could not complete the print job</source>
        <translation>프린터가 인쇄 작업을 완료하지 못했습니다</translation>
    </message>
</context>
<context>
    <name>NotesBackups</name>
    <message numerus="yes">
        <source> (%Ln notes)</source>
        <translation>
            <numerusform> (메모 %Ln개)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace all notes, categories, reminders and options with the backup of %1%2?

Your notes as they are now are backed up first.</source>
        <translation>모든 메모, 카테고리, 미리 알림, 옵션을 %1%2 백업으로 바꾸시겠습니까?

현재 메모는 먼저 백업됩니다.</translation>
    </message>
    <message>
        <source>Your notes have not been changed.</source>
        <translation>메모는 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>복원함: %1</translation>
    </message>
</context>
<context>
    <name>OnlineBackup</name>
    <message>
        <source>There is no notes file %1 to back up.</source>
        <translation>백업할 메모 파일 %1이(가) 없습니다.</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>백업 실패: %1</translation>
    </message>
    <message>
        <source>Backup skipped: disk short</source>
        <translation>백업 건너뜀: 디스크 공간 부족</translation>
    </message>
    <message>
        <source>Backup failed: cannot create %1 (%2)</source>
        <translation>백업 실패: %1을(를) 만들 수 없음(%2)</translation>
    </message>
    <message>
        <source>Backup later: file kept changing</source>
        <translation>나중에 백업: 파일이 계속 바뀜</translation>
    </message>
    <message>
        <source>Backup skipped: disk full</source>
        <translation>백업 건너뜀: 디스크 가득 참</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1 (%2)</source>
        <translation>백업 실패: %1에 쓸 수 없음(%2)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this text as LTR in left-to-right languages and as RTL in right-to-left ones (Arabic, Hebrew): the whole window is then mirrored.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Query</name>
    <message>
        <source>Dataset not in edit or insert mode</source>
        <translation>데이터 세트가 편집 또는 삽입 모드가 아닙니다</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation>읽기 전용 데이터 세트는 수정할 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation>빈 데이터 세트에서는 이 작업을 수행할 수 없습니다</translation>
    </message>
    <message>
        <source>Another program put a new notes file in place of %1 while this was open, so nothing was changed. Quibbet now shows the new file: try again.</source>
        <translation>이 창이 열려 있는 동안 다른 프로그램이 %1을(를) 새 메모 파일로 바꾸었으므로 아무것도 변경되지 않았습니다. 이제 Quibbet은 새 파일을 표시합니다. 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>RecentlyDeleted</name>
    <message>
        <source>Not restored: kept note is invalid</source>
        <translation>복원 안 됨: 메모가 잘못됨</translation>
    </message>
    <message>
        <source>Not restored: kept category invalid</source>
        <translation>복원 안 됨: 카테고리가 잘못됨</translation>
    </message>
    <message>
        <source>Not restored: kept item unreadable</source>
        <translation>복원 안 됨: 항목을 읽을 수 없음</translation>
    </message>
    <message>
        <source>Not restored: unknown kind of item</source>
        <translation>복원 안 됨: 알 수 없는 항목 종류</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Late, due %1:
%2</source>
        <translation>예정 시각 %1이(가) 지났습니다:
%2</translation>
    </message>
</context>
<context>
    <name>SingleStart</name>
    <message>
        <source>Quibbet already runs on %1 and has been brought to the front</source>
        <translation>Quibbet이 이미 실행 중이어서 앞으로 가져왔습니다: %1</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and does not answer</source>
        <translation>Quibbet이 이미 실행 중이지만 응답하지 않습니다: %1%2</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (프로세스 %1)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on the computer %2</source>
        <translation>Quibbet이 이미 컴퓨터 %2에서 실행 중입니다: %1</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on display %2</source>
        <translation>Quibbet이 이미 디스플레이 %2에서 실행 중입니다: %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(없음)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and cannot be reached from here</source>
        <translation>Quibbet이 이미 실행 중이지만 여기에서 연결할 수 없습니다: %1%2</translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <source>The notes file %1 is damaged or is not a notes file. Quibbet has not changed it. Keep a copy of the file, then restore it from a backup or recover it with the sqlite3 tool (sqlite3 clipdata.dat .recover), or start Quibbet in another folder to begin a new one.</source>
        <translation>메모 파일 %1이(가) 손상되었거나 메모 파일이 아닙니다. Quibbet은 이 파일을 변경하지 않았습니다. 파일의 사본을 보관한 뒤 백업에서 복원하거나 sqlite3 도구로 복구하세요(sqlite3 clipdata.dat .recover). 또는 다른 폴더에서 Quibbet을 시작하여 새 메모 파일을 시작하세요.</translation>
    </message>
    <message>
        <source>Another program replaced the notes file %1 just as this was stored, so nothing was changed. Quibbet now uses the new file: try again.</source>
        <translation>저장하는 순간 다른 프로그램이 메모 파일 %1을(를) 바꾸었으므로 아무것도 변경되지 않았습니다. 이제 Quibbet은 새 파일을 사용합니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The notes file %1 or its folder is read-only, so nothing was changed. Make them writable and try again.</source>
        <translation>메모 파일 %1 또는 그 폴더가 읽기 전용이므로 아무것도 변경되지 않았습니다. 쓰기 가능하게 바꾼 뒤 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full, so nothing was changed. Free some space and try again.</source>
        <translation>%1이(가) 있는 디스크가 가득 차서 아무것도 변경되지 않았습니다. 공간을 확보한 뒤 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Another program has kept %1 locked for more than five seconds, so nothing was changed. Try again when it has finished.</source>
        <translation>다른 프로그램이 %1을(를) 5초 넘게 잠그고 있어서 아무것도 변경되지 않았습니다. 그 프로그램이 끝난 뒤 다시 시도하세요.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: check that it is a file (not a folder or a broken link) and that its folder can be written.</source>
        <translation>%1을(를) 열 수 없습니다. 파일인지(폴더나 깨진 링크가 아닌지), 그리고 그 폴더에 쓸 수 있는지 확인하세요.</translation>
    </message>
    <message>
        <source>The disk that holds %1 reported an error, so the change may not have been made. Check the disk and try again.</source>
        <translation>%1이(가) 있는 디스크에서 오류를 보고했으므로 변경 사항이 적용되지 않았을 수 있습니다. 디스크를 확인한 뒤 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>SystemPrinterPort</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>기본 프린터가 선택되어 있지 않습니다</translation>
    </message>
</context>
<context>
    <name>ToolCommands</name>
    <message>
        <source>Save As</source>
        <translation>다른 이름으로 저장</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Unknown error</source>
        <translation>알 수 없는 오류</translation>
    </message>
</context>
<context>
    <name>WayOut</name>
    <message>
        <source>Note kept at exit: not stored yet</source>
        <translation>종료 시 메모 보관: 저장 전</translation>
    </message>
    <message>
        <source>Note kept at last exit: stored</source>
        <translation>지난 종료 때 보관한 메모 저장함</translation>
    </message>
</context>
<context>
    <name>app::ImportNotes</name>
    <message>
        <source>An import is under way</source>
        <translation>가져오기가 진행 중입니다</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>텍스트 파일</translation>
    </message>
    <message>
        <source>Importing notes...</source>
        <translation>메모 가져오는 중...</translation>
    </message>
    <message>
        <source>Import failed: nothing stored</source>
        <translation>가져오기 실패: 저장된 것 없음</translation>
    </message>
    <message>
        <source>Import notes</source>
        <translation>메모 가져오기</translation>
    </message>
    <message>
        <source>The notes could not be stored; nothing was imported.
%1</source>
        <translation>메모를 저장할 수 없어서 아무것도 가져오지 않았습니다.
%1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... 외 %1개</translation>
    </message>
    <message>
        <source>These files were left out; they are unchanged:
%1</source>
        <translation>다음 파일은 가져오지 않았습니다. 파일은 변경되지 않았습니다:
%1</translation>
    </message>
</context>
<context>
    <name>app::TMiniForm</name>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>There is no backup of this notes file yet. Quibbet takes one a day while it runs.</source>
        <translation>이 메모 파일의 백업이 아직 없습니다. Quibbet은 실행 중에 하루에 한 번 백업합니다.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>항상 위에 표시</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Prior note</source>
        <translation>이전 메모</translation>
    </message>
    <message>
        <source>Next note</source>
        <translation>다음 메모</translation>
    </message>
    <message>
        <source>Add a new note</source>
        <translation>새 메모 추가</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>변경 사항 적용</translation>
    </message>
    <message>
        <source>Delete note</source>
        <translation>메모 삭제</translation>
    </message>
    <message>
        <source>Browse mode</source>
        <translation>보기 모드</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>편집 모드</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>메모 내용</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>메모</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>카테고리</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>메모 편집</translation>
    </message>
    <message>
        <source>Copy note content</source>
        <translation>메모 내용 복사</translation>
    </message>
    <message>
        <source>Add a new category</source>
        <translation>새 카테고리 추가</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>검색...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>내보내기...</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>미리 알림...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Restore from backup...</source>
        <translation>백업에서 복원...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Quibbet 정보</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>Notes reloaded: the file was replaced</source>
        <translation>파일이 바뀌어 메모를 다시 불러옴</translation>
    </message>
    <message>
        <source>Notes file deleted: written back</source>
        <translation>메모 파일 삭제됨: 다시 기록함</translation>
    </message>
    <message>
        <source>Import notes...</source>
        <translation>메모 가져오기...</translation>
    </message>
</context>
<context>
    <name>dialogs::FontChooser</name>
    <message>
        <source>Black</source>
        <translation>검은색</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>밤색</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>녹색</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>올리브색</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>남색</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>보라색</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>청록색</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>회색</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>은색</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>빨간색</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>라임색</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>노란색</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>파란색</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>자홍색</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>밝은 청록색</translation>
    </message>
    <message>
        <source>White</source>
        <translation>흰색</translation>
    </message>
    <message>
        <source>Window text</source>
        <translation>창 텍스트</translation>
    </message>
    <message>
        <source>System colour %1</source>
        <translation>시스템 색 %1</translation>
    </message>
    <message>
        <source>Custom (%1)</source>
        <translation>사용자 지정(%1)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>기타...</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>색(&amp;C):</translation>
    </message>
</context>
<context>
    <name>dialogs::RestoreBackupDialog</name>
    <message>
        <source>Restore from backup</source>
        <translation>백업에서 복원</translation>
    </message>
    <message>
        <source>Your notes as they are now are backed up first.</source>
        <translation>현재 메모는 먼저 백업됩니다.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>백업 시각</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>메모 수</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>dialogs::TCategoryManage</name>
    <message>
        <source>Category manage</source>
        <translation>카테고리 관리</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Category name(*):</source>
        <translation>카테고리 이름(*):</translation>
    </message>
    <message>
        <source>Category Description:</source>
        <translation>카테고리 설명:</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmRemind</name>
    <message>
        <source>Remind Settings</source>
        <translation>미리 알림 설정</translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation>시작 시각:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>지금</translation>
    </message>
    <message>
        <source>Text to remind:   </source>
        <translation>알림 내용:   </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>The time %1 has already passed. Choose a time in the future.</source>
        <translation>%1은(는) 이미 지난 시각입니다. 이후의 시각을 선택하세요.</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmSearch</name>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Text to find </source>
        <translation>찾을 텍스트 </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>dialogs::TImportForm</name>
    <message>
        <source>Import notes</source>
        <translation>메모 가져오기</translation>
    </message>
    <message>
        <source>No other notes program&apos;s notes found; add a folder:</source>
        <translation>다른 메모 프로그램의 메모를 찾지 못했습니다. 폴더를 추가하세요:</translation>
    </message>
    <message>
        <source>Notes found; tick those to import:</source>
        <translation>메모를 찾았습니다. 가져올 항목을 선택하세요:</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>프로그램</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>메모 수</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>카테고리</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Add folder...</source>
        <translation>폴더 추가...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Folder of text or Markdown files</source>
        <translation>텍스트 또는 Markdown 파일 폴더</translation>
    </message>
    <message>
        <source>%1 (%2 files unreadable)</source>
        <translation>%1 (읽을 수 없는 파일 %2개)</translation>
    </message>
</context>
<context>
    <name>dialogs::TOptionForm</name>
    <message>
        <source>Quibbet Options</source>
        <translation>Quibbet 옵션</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>표시</translation>
    </message>
    <message>
        <source>Change displaying font</source>
        <translation>표시 글꼴 변경</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>dialogs::TRecentlyDeletedForm</name>
    <message>
        <source>Recently deleted</source>
        <translation>최근 삭제한 항목</translation>
    </message>
    <message>
        <source>Deleted in the last 30 days, newest first:</source>
        <translation>지난 30일 동안 삭제한 항목(최신순):</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>삭제 시각</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>카테고리</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>메모</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>dialogs::TShowRemindForm</name>
    <message>
        <source>Remind info</source>
        <translation>미리 알림</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmAbout</name>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>Nothing to import at &quot;%1&quot;: not a folder, a file or one of xpad, gnote, tomboy, tomboy-ng, knotes with notes here</source>
        <translation>&quot;%1&quot;에서 가져올 것이 없습니다: 폴더나 파일이 아니고, 메모가 있는 xpad, gnote, tomboy, tomboy-ng, knotes 중 어느 것도 아닙니다</translation>
    </message>
    <message>
        <source>Left out %1: %2</source>
        <translation>%1을(를) 가져오지 않음: %2</translation>
    </message>
    <message>
        <source>No note of %1 could be read</source>
        <translation>%1의 메모를 하나도 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>아무것도 가져오지 않음: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing new: %n notes there already</source>
        <translation>
            <numerusform>새 메모 없음: %n개 모두 이미 있음</numerusform>
        </translation>
    </message>
    <message>
        <source>No notes found to import</source>
        <translation>가져올 메모를 찾지 못했습니다</translation>
    </message>
    <message>
        <source>%1 imported into %2</source>
        <translation>%1를 %2로 가져옴</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>메모 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>카테고리 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>may not be read</source>
        <translation>읽기 권한이 없음</translation>
    </message>
    <message>
        <source>is not a note message</source>
        <translation>메모 메시지가 아님</translation>
    </message>
    <message>
        <source>is not an iCalendar file</source>
        <translation>iCalendar 파일이 아님</translation>
    </message>
    <message>
        <source>ends inside a note: the file is incomplete</source>
        <translation>메모 중간에서 끝남: 파일이 불완전함</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1행: %2</translation>
    </message>
    <message>
        <source>holds no note</source>
        <translation>메모가 없음</translation>
    </message>
    <message>
        <source>too large (%1 MB) to be a note</source>
        <translation>메모라기에는 너무 큼(%1 MB)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--toggle and a second start cannot reach this Quibbet</source>
        <translation>--toggle이나 두 번째 실행으로는 이 Quibbet에 연결할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>platform::PortalHotKey</name>
    <message>
        <source>Show or hide Quibbet</source>
        <translation>Quibbet 표시 또는 숨기기</translation>
    </message>
</context>
</TS>
