# Fails when a source file includes a header of a layer above its own: the
# pure fusion core includes nothing of the form, the files or the front ends,
# and the plan in words sits above the rest of the core; the file of my demons
# on disk (stock_files/) reaches only the core and files/; the form (tabs/,
# form/, view/) never includes the file system code nor a front end; the
# desktop program includes nothing of qmoor; and only the view's users
# (script/, cli/, app/) include view.h.
# Run as cmake -DSOURCE_DIR=<src> -P check_layers.cmake.
set(rules
  "data|names|rules|forward|stock|compendium|planner|plan_text=form|tabs|view|files|stock_files|script|query|cli|app"
  "data|names|rules|forward|stock|compendium|planner=plan_text"
  "query=form|tabs|view|files|stock_files|script|cli|app"
  "tabs|form=view|files|stock_files|script|query|cli|app"
  "view=files/file_io|stock_files|script|query|cli|app"
  "files=data|names|rules|forward|stock|compendium|planner|plan_text|form|tabs|view|stock_files|script|query|cli|app"
  "stock_files=form|tabs|view|script|query|cli|app"
  "app=query|cli")
set(broken "")
foreach(rule ${rules})
  string(REPLACE "=" ";" parts "${rule}")
  list(GET parts 0 folders)
  list(GET parts 1 above)
  string(REPLACE "|" ";" folders "${folders}")
  foreach(folder ${folders})
    file(GLOB_RECURSE sources ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
    foreach(source ${sources})
      file(STRINGS ${source} includes REGEX "^#include \"(${above})[/.]")
      foreach(line ${includes})
        list(APPEND broken "${source}: ${line}")
      endforeach()
    endforeach()
  endforeach()
endforeach()
file(GLOB_RECURSE all ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
foreach(source ${all})
  file(RELATIVE_PATH relative ${SOURCE_DIR} ${source})
  if(relative MATCHES "^(view|script|cli|app)/")
    continue()
  endif()
  file(STRINGS ${source} includes REGEX "^#include \"view/view.h\"")
  foreach(line ${includes})
    list(APPEND broken "${source}: ${line}")
  endforeach()
endforeach()
if(broken)
  list(JOIN broken "\n" text)
  message(FATAL_ERROR "includes across the layers:\n${text}")
endif()
